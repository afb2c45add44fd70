#include "engine/UploadStatus.h"

namespace ondrix {

double UploadStatus::progress() const
{
    const auto* uploading = std::get_if<Uploading>(&m_value);
    return uploading ? uploading->progress : 0.0;
}

QString UploadStatus::message() const
{
    const auto* failed = std::get_if<Failed>(&m_value);
    return failed ? failed->message : QString();
}

} // namespace ondrix

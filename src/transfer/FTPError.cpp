#include "transfer/FTPError.h"

#include <QCoreApplication>

namespace ondrix {

QString FTPError::description() const
{
    switch (m_kind) {
    case Kind::connectionFailed:
        return QCoreApplication::translate("FTPError", "Connection failed: ") + m_text;
    case Kind::remotePathNotFound:
        return QCoreApplication::translate("FTPError", "Remote path not found: ") + m_text;
    case Kind::localFileNotReadable:
        return QCoreApplication::translate("FTPError", "Cannot read file: ") + m_text;
    case Kind::localFolderNotWritable:
        return QCoreApplication::translate("FTPError", "Cannot write to: ") + m_text;
    case Kind::transferFailed:
        return QCoreApplication::translate("FTPError", "Transfer failed: ") + m_text;
    case Kind::curlExitCode:
        return QCoreApplication::translate("FTPError", "curl error ") + QString::number(m_code) +
               QStringLiteral(": ") + m_text;
    case Kind::unknown:
        return m_text;
    case Kind::authenticationFailed:
        return QCoreApplication::translate("FTPError", "Authentication failed");
    case Kind::cancelled:
        return QCoreApplication::translate("FTPError", "Cancelled");
    }
    return m_text;
}

} // namespace ondrix

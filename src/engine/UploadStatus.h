#pragma once

#include <QString>

#include <variant>

namespace ondrix {

// State of one upload job: pending, uploading with a progress fraction, failed with a message, done or
// cancelled. Equal when the case is the same and, for the two cases that carry a value, the values are equal.
class UploadStatus {
public:
    enum class Kind { Uploading, Failed, Pending, Done, Cancelled };

    UploadStatus() = default;
    static UploadStatus pending() { return UploadStatus(Pending{}); }
    static UploadStatus uploading(double progress) { return UploadStatus(Uploading{progress}); }
    static UploadStatus failed(const QString& message) { return UploadStatus(Failed{message}); }
    static UploadStatus done() { return UploadStatus(Done{}); }
    static UploadStatus cancelled() { return UploadStatus(Cancelled{}); }

    Kind kind() const { return static_cast<Kind>(m_value.index()); }
    bool isUploading() const { return kind() == Kind::Uploading; }
    // The fraction sent; 0.0 for every case but uploading.
    double progress() const;
    // The failure text; empty for every case but failed.
    QString message() const;

    bool operator==(const UploadStatus&) const = default;

private:
    // The order of the alternatives follows Kind.
    struct Uploading {
        double progress = 0.0;
        bool operator==(const Uploading&) const = default;
    };
    struct Failed {
        QString message;
        bool operator==(const Failed&) const = default;
    };
    struct Pending {
        bool operator==(const Pending&) const = default;
    };
    struct Done {
        bool operator==(const Done&) const = default;
    };
    struct Cancelled {
        bool operator==(const Cancelled&) const = default;
    };

    template <typename T>
    explicit UploadStatus(T value)
        : m_value(std::move(value))
    {}

    std::variant<Uploading, Failed, Pending, Done, Cancelled> m_value = Pending{};
};

} // namespace ondrix

#pragma once

#include <QString>

namespace ondrix {

// The error of every transfer: what went wrong, with the text a person reads in the log, the history and
// notifications (description()). Transfers produce only curlExitCode and localFileNotReadable; the other
// kinds exist for callers that report their own failures in the same terms.
class FTPError {
public:
    enum class Kind {
        connectionFailed,
        remotePathNotFound,
        localFileNotReadable,
        localFolderNotWritable,
        transferFailed,
        curlExitCode,
        unknown,
        authenticationFailed,
        cancelled,
    };

    static FTPError connectionFailed(const QString& text) { return {Kind::connectionFailed, 0, text}; }
    static FTPError remotePathNotFound(const QString& text) { return {Kind::remotePathNotFound, 0, text}; }
    static FTPError localFileNotReadable(const QString& path)
    {
        return {Kind::localFileNotReadable, 0, path};
    }
    static FTPError localFolderNotWritable(const QString& text)
    {
        return {Kind::localFolderNotWritable, 0, text};
    }
    static FTPError transferFailed(const QString& text) { return {Kind::transferFailed, 0, text}; }
    static FTPError curlExitCode(int code, const QString& text) { return {Kind::curlExitCode, code, text}; }
    static FTPError unknown(const QString& text) { return {Kind::unknown, 0, text}; }
    static FTPError authenticationFailed() { return {Kind::authenticationFailed, 0, {}}; }
    static FTPError cancelled() { return {Kind::cancelled, 0, {}}; }

    Kind kind() const { return m_kind; }
    // libcurl's result code (or -1 when no handle could be made) for curlExitCode; 0 otherwise.
    int code() const { return m_code; }
    // The payload text: a message, a path, or libcurl's text; empty for the kinds without one.
    QString text() const { return m_text; }

    // The translated, user-facing text, e.g. "curl error 7: Couldn't connect to server".
    QString description() const;

    bool operator==(const FTPError&) const = default;

private:
    FTPError(Kind kind, int code, QString text)
        : m_kind(kind)
        , m_code(code)
        , m_text(std::move(text))
    {}

    Kind m_kind;
    int m_code;
    QString m_text;
};

} // namespace ondrix

#pragma once

#include <QString>

namespace ondrix {

// Paths on the server, as the uploader, the engine and the remote browser build them: always absolute, "/"
// separated, never percent-encoded (that happens where a URL is made).
class RemotePath {
public:
    // `folder` + "/" (unless it already ends with one) + `relative`.
    static QString join(const QString& folder, const QString& relative);
    // The folder holding `path`, without a trailing "/"; "/" for a top-level entry and for "/" itself.
    static QString directoryOf(const QString& path);
    // "/a/b/" → "/a/b"; "/" (and "") stay "/".
    static QString withoutTrailingSlash(const QString& path);
    // `path` with a leading "/" when it lacks one.
    static QString absolute(const QString& path);
    // `path` absolute and ending in "/", the form a directory listing is asked for.
    static QString asDirectory(const QString& path);
};

} // namespace ondrix

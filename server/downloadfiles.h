#pragma once

#include "httpexchange.h"

#include <QString>

// The download server: /downloads/<path> answers with the file DIR/<path>, with the validators
// and cache headers of a static file server. Nothing outside DIR is ever served: a ".." or hidden
// segment, an encoded slash or backslash, or a symbolic link that resolves outside is refused.
class DownloadFiles
{
public:
    explicit DownloadFiles(const QString &directory);

    HttpResponse serve(const HttpRequest &request, const QStringList &path) const;

    static QByteArray contentTypeFor(const QString &fileName);

private:
    QString m_root;
};

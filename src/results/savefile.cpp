#include "results/savefile.h"

#include <QFileInfo>

namespace toevane::savefile {

Problem save(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return Problem::NameIsAFolder;
    if (!QFileInfo(target.absolutePath()).isDir())
        return Problem::NoSuchFolder;
    // Only a file is replaced (through a link that leads to one): never a
    // device, a FIFO or a socket, nor a link that leads nowhere, which would
    // be followed to wherever it points.
    if ((target.exists() && !target.isFile()) || (target.isSymLink() && !target.exists()))
        return Problem::Failed;
    if (target.exists() && !target.isWritable())
        return Problem::NotAllowed;
    return replace(path, bytes);
}

} // namespace toevane::savefile

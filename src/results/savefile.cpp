#include "results/savefile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace toevane::savefile {

Problem save(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return Problem::NameIsAFolder;
    if (!QFileInfo(target.absolutePath()).isDir())
        return Problem::NoSuchFolder;
    // Only a file is replaced (through a link that leads to one): never a
    // device, a FIFO or a socket, which QSaveFile would replace as well, nor
    // a link that leads nowhere, which it would follow to wherever it points.
    if ((target.exists() && !target.isFile()) || (target.isSymLink() && !target.exists()))
        return Problem::Failed;
    if (target.exists() && !target.isWritable())
        return Problem::NotAllowed;
    clearLastError();
    // Unbuffered: each write reaches the system at once and reports its own
    // failure (a buffered one would fail only inside commit(), which then
    // still replaces the file).
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return problemFromLastError();
    if (out.write(bytes) != bytes.size() || out.error() != QFileDevice::NoError ||
        !syncToDisk(out)) {
        const Problem problem = problemFromLastError();
        out.cancelWriting(); // the temporary file goes with `out`
        return problem;
    }
    return out.commit() ? Problem::None : problemFromLastError();
}

} // namespace toevane::savefile

#include "SafeWrite.h"

#include "Files.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#else
#include <QFileInfo>
#include <QSaveFile>

#include <memory>
#endif

namespace velmor {

namespace {

// This file's texts, looked up in the catalogue under "SafeWrite".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SafeWrite)
};

QString isALink(const QString& path) {
    return Text::tr("%1 — символическая ссылка").arg(path);
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// One file on its way: its folder held open, its temporary name once written.
struct Staged {
    QString path; // for messages
    QByteArray name;
    Fd folder;
    QByteArray temporary;
};

// Opens the folders from the given one down to the file's, refusing a link on the way.
std::optional<QString> openFolderOf(const QString& folder, const QStringList& parts, Staged& file) {
    file.folder =
        Fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (file.folder.get() < 0)
        return cannotSave(file.path, systemReason(errno));
    QString reached = folder;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        reached += QLatin1Char('/') + parts[i];
        const QByteArray part = QFile::encodeName(parts[i]);
        Fd next(::openat(file.folder.get(), part.constData(),
                         O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.get() < 0) {
            const int error = errno;
            struct stat st {};
            if (::fstatat(file.folder.get(), part.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISLNK(st.st_mode))
                return cannotSave(file.path, isALink(reached));
            return cannotSave(file.path, systemReason(error));
        }
        file.folder = std::move(next);
    }
    return std::nullopt;
}

std::optional<QString> stage(Staged& file, const QByteArray& content) {
    struct stat st {};
    std::optional<mode_t> keepMode;
    if (::fstatat(file.folder.get(), file.name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(st.st_mode))
            return cannotSave(file.path, isALink(file.path));
        if (!S_ISREG(st.st_mode))
            return cannotSave(file.path, Text::tr("на этом месте стоит не файл"));
        keepMode = st.st_mode & 07777; // the new file replaces the old one as it was
    } else if (errno != ENOENT) {
        return cannotSave(file.path, systemReason(errno));
    }

    Fd out;
    for (int attempt = 0; attempt < 100 && out.get() < 0; ++attempt) {
        file.temporary =
            ".velmor-save-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        out = Fd(::openat(file.folder.get(), file.temporary.constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (out.get() < 0 && errno != EEXIST)
            break;
    }
    if (out.get() < 0) {
        const int error = errno;
        file.temporary.clear();
        return cannotSave(file.path, systemReason(error));
    }
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t n = ::write(out.get(), content.constData() + done,
                                  static_cast<size_t>(content.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return cannotSave(file.path, systemReason(n < 0 ? errno : ENOSPC));
        done += n;
    }
    if ((keepMode && ::fchmod(out.get(), *keepMode) != 0) || ::fsync(out.get()) != 0)
        return cannotSave(file.path, systemReason(errno));
    return std::nullopt;
}

} // namespace

std::optional<QString> writeFilesInFolder(const QString& folder,
                                          const std::vector<FileToWrite>& files) {
    std::vector<Staged> staged(files.size());
    const auto removeTemporaries = [&staged] {
        for (Staged& file : staged)
            if (!file.temporary.isEmpty())
                ::unlinkat(file.folder.get(), file.temporary.constData(), 0);
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        Staged& file = staged[i];
        file.path = folder + QLatin1Char('/') + files[i].relativePath;
        const QStringList parts = files[i].relativePath.split(QLatin1Char('/'));
        file.name = QFile::encodeName(parts.last());
        auto error = openFolderOf(folder, parts, file);
        if (!error)
            error = stage(file, files[i].content);
        if (error) {
            removeTemporaries();
            return error;
        }
    }
    // A rename replaces whatever name is there, a link included, and never writes through it.
    for (Staged& file : staged) {
        if (::renameat(file.folder.get(), file.temporary.constData(), file.folder.get(),
                       file.name.constData()) != 0) {
            const int error = errno;
            removeTemporaries();
            return cannotSave(file.path, systemReason(error));
        }
        file.temporary.clear();
    }
    return std::nullopt;
}

#else // no openat: the same checks by path, and the platform's own replace in one step

std::optional<QString> writeFilesInFolder(const QString& folder,
                                          const std::vector<FileToWrite>& files) {
    std::vector<std::unique_ptr<QSaveFile>> staged;
    for (const FileToWrite& f : files) {
        const QString path = folder + QLatin1Char('/') + f.relativePath;
        QString reached = folder;
        for (const QString& part : f.relativePath.split(QLatin1Char('/'))) {
            reached += QLatin1Char('/') + part;
            if (QFileInfo(reached).isSymLink())
                return cannotSave(path, isALink(reached));
        }
        auto& file = staged.emplace_back(std::make_unique<QSaveFile>(path));
        if (!file->open(QIODevice::WriteOnly) || file->write(f.content) != f.content.size() ||
            !file->flush())
            return cannotSave(path, file->errorString());
    }
    for (auto& file : staged)
        if (!file->commit())
            return cannotSave(file->fileName(), file->errorString());
    return std::nullopt;
}

#endif

} // namespace velmor

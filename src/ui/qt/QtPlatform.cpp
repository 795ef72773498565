#include "ui/qt/QtPlatform.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLockFile>
#include <QMimeData>
#include <QStandardPaths>
#include <QTime>

#include "ui/qt/Convert.h"

namespace ui::qt {

QtPlatform::QtPlatform(const QString& lockFile) {
    if (lockFile.isEmpty()) return;
    lock_ = std::make_unique<QLockFile>(lockFile);
    // Age alone never makes the lock stale (a copy may run for days); a lock whose process
    // is gone is stale at once.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        // Only a lock held by a live copy counts; a folder we cannot write to does not stop
        // the program.
        anotherInstance_ = lock_->error() == QLockFile::LockFailedError;
    }
}

QtPlatform::~QtPlatform() = default;

QString QtPlatform::DefaultLockFile() {
    // The runtime folder is per user; the temporary folder may be shared, so the name says
    // whose copy it is.
    QString folder = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")
                         ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                         : QString();
    if (folder.isEmpty()) {
        QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", QDir::home().dirName()));
        return QDir(QDir::tempPath()).filePath(QStringLiteral("mozeldouble-%1.lock").arg(user));
    }
    return QDir(folder).filePath(QStringLiteral("mozeldouble.lock"));
}

std::string QtPlatform::ProgramFolder() {
    return ToUtf8(CollectionFolder(QCoreApplication::applicationDirPath(),
                                   DataFolder(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath(),
                                              QCoreApplication::applicationName())));
}

std::string QtPlatform::DataFolder() {
    QString folder = DataFolder(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath(), QCoreApplication::applicationName());
    if (folder.isEmpty()) folder = QCoreApplication::applicationDirPath();
    QDir().mkpath(folder);
    return ToUtf8(folder);
}

std::string QtPlatform::ClipboardText() { return ToUtf8(QGuiApplication::clipboard()->text()); }

void QtPlatform::SetClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(ToQString(text)); }

std::vector<unsigned char> QtPlatform::ClipboardPicture() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasImage()) return {};
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull()) return {};
    // Handed over losslessly as PNG, the form the reader takes pictures in.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return {png.begin(), png.end()};
}

QString QtPlatform::DataFolder(const QString& xdgDataHome, const QString& home, const QString& application) {
    // The base directory rules: a relative XDG_DATA_HOME is invalid and is ignored.
    if (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome)) return QDir(xdgDataHome).filePath(application);
    if (home.isEmpty()) return QString();
    return QDir(home).filePath(QStringLiteral(".local/share/") + application);
}

QString QtPlatform::CollectionFolder(const QString& programFolder, const QString& dataFolder) {
    // The program's own folder when it may be written (a copy unpacked or built by the user);
    // else, and always for the installed program (root may write to the system's program
    // folder, but a user's problems do not belong there), the user's data folder for it,
    // created when missing. A data folder that cannot be made is still the answer: the
    // collection window then names it with the reason, and nothing lands beside the program.
    QDir folder(programFolder);
    QDir shared(folder.filePath(QStringLiteral("../share/mozeldouble")));
    bool installed = shared.exists();
    if (!installed && QFileInfo(folder.path()).isWritable()) return folder.path();
    if (dataFolder.isEmpty()) return folder.path();
    if (QDir().mkpath(dataFolder) && installed) ProvideSampleCollection(shared, QDir(dataFolder));
    return dataFolder;
}

void QtPlatform::ProvideSampleCollection(const QDir& shared, const QDir& data) {
    // A new user starts with the sample problems that come with the program.
    const QString name = QStringLiteral("問題01.txt");
    if (!data.exists(name) && shared.exists(name)) QFile::copy(shared.filePath(name), data.filePath(name));
}

double QtPlatform::Timer() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

void QtPlatform::Randomize() { random_.seed(Timer()); }

double QtPlatform::Rnd() { return random_.next(); }

}  // namespace ui::qt

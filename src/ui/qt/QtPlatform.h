// The platform on a desktop: the single-instance check, the program's folder, the clock and
// the random source. The instance lock is taken once, when the service is made, and kept
// until it goes; a lock left behind by a copy that crashed is recognised as stale and taken
// over.
#pragma once

#include <QString>
#include <QDir>
#include <memory>

#include "ui/RandomSource.h"
#include "ui/Services.h"

class QLockFile;

namespace ui::qt {

class QtPlatform : public Platform {
public:
    // lockFile: the lock that one running copy holds; empty for no single-instance check.
    explicit QtPlatform(const QString& lockFile = DefaultLockFile());
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // In the user's runtime folder, else in the temporary folder.
    static QString DefaultLockFile();

    bool AnotherInstanceRunning() override { return anotherInstance_; }
    // The folder of the default collection: the program's own when it may be written and the
    // program is not an installed one (one with share/mozeldouble beside its folder), else the
    // user's data folder for the program (created when missing, and given the installed
    // sample collection when it has none).
    std::string ProgramFolder() override;
    // The user's data folder, made when missing.
    std::string DataFolder() override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;
    std::vector<unsigned char> ClipboardPicture() override;
    // The same choice for a given program folder and data folder.
    static QString CollectionFolder(const QString& programFolder, const QString& dataFolder);
    // The user's data folder for the program: XDG_DATA_HOME when it is an absolute path, else
    // ~/.local/share, with the application's name; empty without a home.
    static QString DataFolder(const QString& xdgDataHome, const QString& home, const QString& application);
    double Timer() override;
    void Randomize() override;
    double Rnd() override;

private:
    static void ProvideSampleCollection(const QDir& shared, const QDir& data);

    std::unique_ptr<QLockFile> lock_;
    bool anotherInstance_ = false;
    RandomSource random_;
};

}  // namespace ui::qt

#include "core/keys/DesktopKeyRing.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace lirvenda {

namespace {

const QString Service = QStringLiteral("Lirvenda");
constexpr int AnswerMilliseconds = 10000; // a keyring that does not answer is taken as none

// Runs the job and waits for it; false when it did not finish in time.
bool finished(QKeychain::Job &job, const QString &folder)
{
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    job.setKey(QDir(folder).absolutePath());
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(AnswerMilliseconds, &loop, [&loop] { loop.exit(1); });
    job.start();
    return loop.exec() == 0;
}

} // namespace

std::optional<QString> DesktopKeyRing::read(const QString &folder)
{
    QKeychain::ReadPasswordJob job(Service);
    if (!finished(job, folder) || job.error() != QKeychain::NoError)
        return std::nullopt;
    return job.textData();
}

bool DesktopKeyRing::write(const QString &folder, const QString &passphrase)
{
    QKeychain::WritePasswordJob job(Service);
    job.setTextData(passphrase);
    return finished(job, folder) && job.error() == QKeychain::NoError;
}

bool DesktopKeyRing::remove(const QString &folder)
{
    QKeychain::DeletePasswordJob job(Service);
    return finished(job, folder) && (job.error() == QKeychain::NoError || job.error() == QKeychain::EntryNotFound);
}

void askForPassphrasesWith(std::function<std::optional<QString>(const QString &question)> ask)
{
    static DesktopKeyRing keyRing;
    setPassphraseSources({&keyRing, std::move(ask)});
}

} // namespace lirvenda

#include "core/commandline/BackupCommands.h"

#include "core/backup/DiaryBackup.h"
#include "core/commandline/TerminalPassphrase.h"
#include "core/shared/ArchiveFile.h"
#include "core/store/Program.h"
#include "core/store/StoreKey.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lirvenda {

namespace {

const QString KeyRingOption = QStringLiteral("keyring");

QString shown(const QString &path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

int backupDiary(Program &program, const CommandArguments &arguments)
{
    const QString target = arguments.word(0);
    try {
        writeDiaryBackup(program.folder(), program.mainConnection().key(), target);
    } catch (const BackupError &error) {
        return failCommand(error.message());
    } catch (const ArchiveError &error) {
        return failCommand(error.message());
    }
    commandOutput() << shown(target) << Qt::endl;
    return CommandSucceeded;
}

int restoreDiary(Program &program, const CommandArguments &arguments)
{
    try {
        restoreDiaryBackup(arguments.word(0), program.folder());
    } catch (const BackupError &error) {
        return failCommand(error.message());
    }
    commandOutput() << shown(program.folder()) << Qt::endl;
    commandErrors() << QCoreApplication::translate(
                           "BackupCommands",
                           "Dagboka er lagt tilbake i %1. Start Lirvenda med --folder %1 for å bruke den.")
                           .arg(shown(program.folder()))
                    << Qt::endl;
    return CommandSucceeded;
}

int changePassphrase(Program &program, const CommandArguments &arguments)
{
    const std::optional<QString> chosen =
        askOnTerminal(QCoreApplication::translate("BackupCommands", "Ny passfrase (tom: ingen egen passfrase):"));
    if (!chosen)
        return refuseCommand(
            QCoreApplication::translate("BackupCommands", "Ingen ny passfrase ble gitt. Ingenting er endret."));
    const std::optional<QString> repeated =
        askOnTerminal(QCoreApplication::translate("BackupCommands", "Gjenta den nye passfrasen:"));
    if (repeated != chosen)
        return refuseCommand(
            QCoreApplication::translate("BackupCommands", "De to passfrasene er ulike. Ingenting er endret."));
    const bool remember = arguments.isSet(KeyRingOption);
    const bool keyRingDone = setStorePassphrase(program, *chosen, remember);
    commandErrors() << (chosen->isEmpty()
                            ? QCoreApplication::translate("BackupCommands", "Dagboka har ikke lenger egen passfrase.")
                            : QCoreApplication::translate("BackupCommands",
                                                          "Dagboka har fått ny passfrase. Glemmer du den, er "
                                                          "dagboka tapt: ingen kan åpne den uten."))
                    << Qt::endl;
    if (!keyRingDone)
        commandErrors() << QCoreApplication::translate("BackupCommands", "Nøkkelringen kunne ikke oppdateres.")
                        << Qt::endl;
    return CommandSucceeded;
}

} // namespace

Subcommand backupCommand()
{
    return {.name = QStringLiteral("backup"),
            .arguments = {{QCoreApplication::translate("BackupCommands", "FIL"),
                           QCoreApplication::translate("BackupCommands",
                                                       "Arkivet (.tar eller .zip); en fil som ikke finnes fra før."),
                           WordKind::File}},
            .description = QCoreApplication::translate(
                "BackupCommands", "Lag en sikkerhetskopi av hele dagboka i FIL (.tar eller .zip)."),
            .storeUse = {StoreAccess::Reads},
            .run = backupDiary};
}

Subcommand restoreCommand()
{
    return {.name = QStringLiteral("restore"),
            .arguments = {{QCoreApplication::translate("BackupCommands", "FIL"),
                           QCoreApplication::translate("BackupCommands", "En sikkerhetskopi laget av Lirvenda."),
                           WordKind::File}},
            .description = QCoreApplication::translate("BackupCommands",
                                                       "Legg en sikkerhetskopi tilbake i en tom eller ny mappe."),
            .storeUse = {StoreAccess::None},
            .run = restoreDiary};
}

Subcommand passphraseCommand()
{
    return {
        .name = QStringLiteral("passwd"),
        .description = QCoreApplication::translate("BackupCommands", "Sett, bytt eller fjern dagbokas egen passfrase."),
        .options = {{KeyRingOption, QCoreApplication::translate("BackupCommands", "Husk passfrasen i nøkkelringen.")}},
        .storeUse = {StoreAccess::Writes},
        .run = changePassphrase};
}

} // namespace lirvenda

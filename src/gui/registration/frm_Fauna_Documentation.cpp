#include "gui/registration/frm_Fauna.h"

#include "core/documentation/DocumentationFiles.h"
#include "core/shared/Prompter.h"
#include "core/shared/SharedProcedures.h"
#include "core/store/Program.h"
#include "gui/documentation/PictureFiles.h"
#include "gui/documentation/frm_Bilde.h"
#include "gui/ui/NamedControl.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>

namespace lirvenda {

namespace {

// Files are added to a registration being entered or changed.
bool takesFiles(const RegistrationState &state)
{
    return state.mode() == RegistrationState::Mode::New || state.mode() == RegistrationState::Mode::Edit;
}

// The first picture, else the first file.
int firstShown(const QStringList &files)
{
    const auto picture = std::find_if(files.begin(), files.end(),
                                      [](const QString &file) { return documentKind(file) == DocumentKind::Picture; });
    return picture == files.end() ? 0 : int(picture - files.begin());
}

} // namespace

// "Documentation": the thumbnail, and while a registration is entered, the button that adds files.
void frm_Fauna::BuildDocumentationFrame()
{
    Frame6 = named(new QGroupBox(QStringLiteral("Documentation"), this), QStringLiteral("Frame6"));
    Frame6->setGeometry(458, 4, 300, 150);
    auto *thumbnail = named(new ClickableLabel({}, Frame6), QStringLiteral("Image1"));
    connect(thumbnail, &ClickableLabel::clicked, this, &frm_Fauna::Image1_Click);
    Image1 = thumbnail;
    Image1->setGeometry(8, 20, 196, 122);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setWordWrap(true);
    cmdAddDocumentation =
        named(new QPushButton(QStringLiteral("Legg &til…"), Frame6), QStringLiteral("cmdAddDocumentation"));
    cmdAddDocumentation->setGeometry(208, 20, 84, 26);
    cmdAddDocumentation->setToolTip(QStringLiteral("Kopier bilder, video eller lyd til registreringen"));
    connect(cmdAddDocumentation, &QPushButton::clicked, this, &frm_Fauna::cmdAddDocumentation_Click);
}

// The frame shows when there is something to see or to add; "Registrerte arter" then moves down
// under it, otherwise it takes the whole top of the middle column.
void frm_Fauna::DrawDocumentation()
{
    const QStringList files = m_documents.files();
    const bool adding = takesFiles(m_state);
    const bool shown = adding || !files.isEmpty();
    cmdAddDocumentation->setVisible(adding);
    Image1->resize(adding ? 196 : 284, 122); // the button's room while entering
    Frame6->setVisible(shown);
    const int top = shown ? 158 : 4;
    const int height = 380 - top;
    Frame7->setGeometry(458, top, 300, height);
    List3->setGeometry(8, 22, 284, height - 60);
    List6->setGeometry(8, 22, 284, height - 60);
    Check1->move(8, height - 32);
    if (files.isEmpty()) {
        Image1->clear();
        Image1->setToolTip({});
        return;
    }
    const QString first = files.at(firstShown(files));
    const QPixmap thumbnail = documentThumbnail(first, Image1->size());
    if (thumbnail.isNull())
        Image1->setText(QFileInfo(first).fileName());
    else
        Image1->setPixmap(thumbnail);
    Image1->setToolTip(files.size() == 1 ? QStringLiteral("1 fil") : QStringLiteral("%1 filer").arg(files.size()));
}

void frm_Fauna::cmdAddDocumentation_Click()
{
    const QStringList chosen = QFileDialog::getOpenFileNames(
        this, QStringLiteral("Legg til dokumentasjon"),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), documentFileFilters());
    AddDocumentation(chosen);
}

// Copies the files to the registration and ticks "Foto", "Video" and "Lyd" for what was added.
void frm_Fauna::AddDocumentation(const QStringList &files)
{
    if (!takesFiles(m_state))
        return;
    const RegistrationDocuments::Added added = m_documents.add(files, [this] { return NewUniqueId(m_program); });
    for (const auto &[box, mark] : {std::pair{Check2, 'F'}, {Check3, 'V'}, {Check4, 'L'}})
        if (added.marks.contains(QLatin1Char(mark)))
            box->setChecked(true);
    if (!added.failures.isEmpty())
        prompter().exclamation(added.failures.join('\n'));
    DrawDocumentation();
}

// Opens the viewer on the file the thumbnail shows.
void frm_Fauna::Image1_Click()
{
    const QStringList files = m_documents.files();
    if (files.isEmpty())
        return;
    frm_Bilde viewer(files, firstShown(files), this);
    viewer.exec();
}

// The files of a deleted observation are kept, moved aside.
void frm_Fauna::KeepDocumentationOfDeleted(const QString &obsUniqueId)
{
    succeeds([&] { moveDocumentationAside(m_program.folder(), obsUniqueId); });
}

} // namespace lirvenda

#include "gui/registration/DocumentationPanel.h"

#include "core/documentation/DocumentationFiles.h"
#include "core/registration/RegistrationState.h"
#include "core/shared/Prompter.h"
#include "core/shared/UniqueIds.h"
#include "core/store/Program.h"
#include "gui/documentation/PictureFiles.h"
#include "gui/documentation/frm_Bilde.h"
#include "gui/registration/PanelControls.h"
#include "gui/ui/ClickableLabel.h"
#include "gui/ui/NamedControl.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
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

DocumentationPanel::DocumentationPanel(Program &program, const RegistrationState &state, QWidget *parent)
    : QGroupBox(tr("Documentation"), parent), m_program(program), m_state(state), m_documents(program.folder())
{
    setObjectName(QStringLiteral("Frame6"));
    auto *thumbnail = named(new ClickableLabel({}, this), QStringLiteral("Image1"));
    connect(thumbnail, &ClickableLabel::clicked, this, &DocumentationPanel::openViewer);
    Image1 = thumbnail;
    Image1->setMinimumSize(196, 122);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setWordWrap(true);
    cmdAddDocumentation = button(this, QStringLiteral("cmdAddDocumentation"), tr("Legg &til…"));
    cmdAddDocumentation->setToolTip(tr("Kopier bilder, video eller lyd til registreringen"));
    connect(cmdAddDocumentation, &QPushButton::clicked, this, &DocumentationPanel::chooseFiles);
    QHBoxLayout *contents = row({Image1});
    contents->addWidget(cmdAddDocumentation, 0, Qt::AlignTop);
    framed(this, contents);
    resize(sizeHint()); // shown before the window is, it lays out its thumbnail and button in that
    hide();
}

void DocumentationPanel::open(const QString &obsUniqueId)
{
    m_documents.open(obsUniqueId);
    draw();
}

QString DocumentationPanel::id() const { return m_documents.id(); }

void DocumentationPanel::keep() { m_documents.keep(); }

void DocumentationPanel::discardAdded() { m_documents.discardAdded(); }

void DocumentationPanel::keepFilesOfDeleted(const QString &obsUniqueId)
{
    succeeds([&] { moveDocumentationAside(m_program.folder(), obsUniqueId); });
}

// "Foto", "Video" and "Lyd" are ticked for what was added.
void DocumentationPanel::add(const QStringList &files)
{
    if (!takesFiles(m_state))
        return;
    const RegistrationDocuments::Added added = m_documents.add(files, [this] { return newUniqueId(m_program); });
    emit kindsAdded(added.marks);
    if (!added.failures.isEmpty())
        prompter().exclamation(added.failures.join('\n'));
    draw();
}

// Opens the viewer on the file the thumbnail shows.
void DocumentationPanel::openViewer()
{
    const QStringList files = m_documents.files();
    if (files.isEmpty())
        return;
    frm_Bilde viewer(files, firstShown(files), this);
    viewer.exec();
}

void DocumentationPanel::draw()
{
    const QStringList files = m_documents.files();
    const bool adding = takesFiles(m_state);
    cmdAddDocumentation->setVisible(adding);
    setVisible(adding || !files.isEmpty());
    if (files.isEmpty()) {
        Image1->clear();
        Image1->setToolTip({});
        return;
    }
    const QString first = files.at(firstShown(files));
    const QPixmap thumbnail = documentThumbnail(first, QSize(adding ? 196 : 284, 122)); // the button's room
    if (thumbnail.isNull())
        Image1->setText(QFileInfo(first).fileName());
    else
        Image1->setPixmap(thumbnail);
    Image1->setToolTip(files.size() == 1 ? tr("1 fil") : tr("%1 filer").arg(files.size()));
}

void DocumentationPanel::chooseFiles()
{
    const QStringList chosen = QFileDialog::getOpenFileNames(
        this, tr("Legg til dokumentasjon"), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        documentFileFilters());
    add(chosen);
}

} // namespace lirvenda

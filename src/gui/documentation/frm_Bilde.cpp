#include "gui/documentation/frm_Bilde.h"

#include "core/documentation/DocumentationFiles.h"
#include "core/shared/Prompter.h"
#include "core/shared/TextFiles.h"
#include "gui/documentation/DesktopOpener.h"
#include "gui/documentation/PictureBox.h"
#include "gui/documentation/PictureFiles.h"
#include "gui/ui/NamedControl.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace lirvenda {

namespace {

constexpr int Margin = 8;

enum class Tool { Fit, ZoomIn, ZoomOut };

// The picture buttons: a frame filled by a picture to fit, a magnifier with "+" or "-" to zoom.
QIcon toolIcon(Tool tool)
{
    QPixmap icon(24, 24);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    if (tool == Tool::Fit) {
        painter.drawRect(3, 5, 18, 14);
        painter.fillRect(7, 9, 10, 6, Qt::darkGreen);
        return icon;
    }
    painter.drawEllipse(QPointF(10, 10), 7, 7);
    painter.drawLine(QPointF(15, 15), QPointF(22, 22));
    painter.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
    if (tool == Tool::ZoomIn)
        painter.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
    return icon;
}

QPushButton *toolButton(QWidget *parent, const QString &name, Tool tool, const QString &tip)
{
    auto *button = named(new QPushButton(parent), name);
    button->setIcon(toolIcon(tool));
    button->setToolTip(tip);
    return button;
}

QScrollBar *scrollBar(QWidget *parent, const QString &name, Qt::Orientation orientation)
{
    auto *bar = named(new QScrollBar(orientation, parent), name);
    bar->setSingleStep(20);
    return bar;
}

void drawBar(QScrollBar *bar, int range, int value, int page)
{
    const QSignalBlocker drawnNotMoved(bar);
    bar->setRange(0, range);
    bar->setPageStep(page);
    bar->setValue(value);
    bar->setEnabled(range > 0);
}

} // namespace

frm_Bilde::frm_Bilde(const QStringList &files, int start, QWidget *parent)
    : QDialog(parent), Picture1(named(new PictureBox(this), QStringLiteral("Picture1"))),
      Command4(toolButton(this, QStringLiteral("Command4"), Tool::Fit, tr("Hele bildet"))),
      Command5(toolButton(this, QStringLiteral("Command5"), Tool::ZoomIn, tr("Zoom inn"))),
      Command6(toolButton(this, QStringLiteral("Command6"), Tool::ZoomOut, tr("Zoom ut"))),
      HScroll1(scrollBar(this, QStringLiteral("HScroll1"), Qt::Horizontal)),
      VScroll1(scrollBar(this, QStringLiteral("VScroll1"), Qt::Vertical)),
      Command3(named(new QPushButton(QStringLiteral("<-------"), this), QStringLiteral("Command3"))),
      Command2(named(new QPushButton(QStringLiteral("------->"), this), QStringLiteral("Command2"))),
      Command1(named(new QPushButton(tr("&Avslutt"), this), QStringLiteral("Command1"))),
      Label1(named(new QLabel(this), QStringLiteral("Label1"))), m_walk(files, start)
{
    setObjectName(QStringLiteral("frm_Bilde"));
    setWindowTitle(tr("Dokumentasjon"));
    connect(Command1, &QPushButton::clicked, this, &frm_Bilde::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_Bilde::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frm_Bilde::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frm_Bilde::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frm_Bilde::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frm_Bilde::Command6_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frm_Bilde::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frm_Bilde::VScroll1_Change);
    connect(Picture1, &PictureBox::resized, this, &frm_Bilde::FitToBox);
    LayOut();
    ArrangeFor(pictureBoxSize({1, 1}));
    ShowCurrent();
}

bool frm_Bilde::ShowDocumentPicture(const QString &path)
{
    if (fileExists(path) && ShowPictureFile(path))
        return true;
    if (fileExists(path) && documentKind(path) != DocumentKind::Picture) {
        HandToDesktop(path);
        return true;
    }
    ShowNoPicture({});
    prompter().information(tr(UnavailableText));
    return false;
}

// The box takes the picture's shape; the picture is decoded at the size it is shown in.
bool frm_Bilde::ShowPictureFile(const QString &path)
{
    const QSize size = orientedPictureSize(path);
    if (!size.isValid())
        return false;
    const QSize box = pictureBoxSize(size);
    PictureZoom zoom(box, size);
    const QImage decoded = readPicture(path, zoom.shownSize());
    if (decoded.isNull())
        return false;
    m_path = path;
    m_fileSize = size;
    m_decoded = decoded;
    m_decodedWithin = zoom.shownSize();
    m_zoom = zoom;
    ArrangeFor(box);
    DrawPicture();
    return true;
}

void frm_Bilde::HandToDesktop(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (openOnDesktop(path)) {
        ShowNoPicture(tr("%1 er åpnet i et eget program.").arg(name));
    } else {
        ShowNoPicture(name);
        prompter().information(tr("Ingen program på denne maskinen kan åpne %1.").arg(name));
    }
}

void frm_Bilde::ShowNoPicture(const QString &note)
{
    m_zoom.reset();
    Picture1->showNote(note);
    drawBar(HScroll1, 0, 0, 1);
    drawBar(VScroll1, 0, 0, 1);
}

// Zooming in past the size decoded so far reads the picture again, at most at its full size.
void frm_Bilde::DrawPicture()
{
    const QSize shown = m_zoom->shownSize();
    if (shown.width() > m_decodedWithin.width() && m_decoded.width() < m_fileSize.width()) {
        const QImage sharper = readPicture(m_path, shown);
        if (!sharper.isNull()) {
            m_decoded = sharper;
            m_decodedWithin = shown;
        }
    }
    Picture1->showPicture(m_decoded, m_zoom->pictureRect());
    drawBar(HScroll1, m_zoom->horizontalRange(), m_zoom->horizontal(), Picture1->width());
    drawBar(VScroll1, m_zoom->verticalRange(), m_zoom->vertical(), Picture1->height());
}

void frm_Bilde::ZoomPicture(double factor)
{
    ChangeZoom([factor](PictureZoom &zoom) { zoom.zoom(factor); });
}

void frm_Bilde::ChangeZoom(const std::function<void(PictureZoom &)> &change)
{
    if (!m_zoom)
        return;
    change(*m_zoom);
    DrawPicture();
}

// The picture with its bars, the buttons below them, and the file's line under the buttons.
void frm_Bilde::LayOut()
{
    auto *buttons = new QHBoxLayout;
    for (QPushButton *tool : {Command4, Command5, Command6})
        buttons->addWidget(tool);
    buttons->addSpacing(Margin);
    buttons->addWidget(Command3);
    buttons->addWidget(Command2);
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(Margin, Margin, Margin, Margin);
    grid->setSpacing(0);
    grid->addWidget(Picture1, 0, 0);
    grid->addWidget(VScroll1, 0, 1);
    grid->addWidget(HScroll1, 1, 0);
    grid->setRowMinimumHeight(2, Margin);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setRowMinimumHeight(4, Margin);
    grid->addWidget(Label1, 5, 0, 1, 2);
    Picture1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

// The box takes the picture's shape at its smallest, and the window shrinks around it; a larger
// window shows the picture larger.
void frm_Bilde::ArrangeFor(QSize box)
{
    Picture1->setMinimumSize(box);
    layout()->activate();
    resize(minimumSizeHint());
    layout()->setGeometry(rect()); // at once, also while the window is not shown yet
}

// A box of another size shows the whole picture again, fitted to the new size.
void frm_Bilde::FitToBox()
{
    if (!m_zoom)
        return;
    m_zoom = PictureZoom(Picture1->size(), m_fileSize);
    DrawPicture();
}

void frm_Bilde::ShowCurrent()
{
    Label1->setText(m_walk.positionText());
    ShowDocumentPicture(m_walk.current());
}

void frm_Bilde::Command1_Click() { accept(); }

void frm_Bilde::Command2_Click()
{
    if (m_walk.next())
        ShowCurrent();
    else
        prompter().beep();
}

void frm_Bilde::Command3_Click()
{
    if (m_walk.previous())
        ShowCurrent();
    else
        prompter().beep();
}

void frm_Bilde::Command4_Click()
{
    ChangeZoom([](PictureZoom &zoom) { zoom.fit(); });
}

void frm_Bilde::Command5_Click() { ZoomPicture(PictureZoom::ZoomIn); }

void frm_Bilde::Command6_Click() { ZoomPicture(PictureZoom::ZoomOut); }

void frm_Bilde::HScroll1_Change(int value)
{
    ChangeZoom([value](PictureZoom &zoom) { zoom.setHorizontal(value); });
}

void frm_Bilde::VScroll1_Change(int value)
{
    ChangeZoom([value](PictureZoom &zoom) { zoom.setVertical(value); });
}

} // namespace lirvenda

#include "shell/AboutBox.h"

#include "settings/ApplicationTitle.h"
#include "shell/ScreenPlacement.h"

#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quellard {

namespace {

// The box was laid out in twips; Qt places widgets in device-independent pixels, 15 twips each.
QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

constexpr int kClientWidth = 444;  // 6660 twips
constexpr int kClientHeight = 306; // 4590 twips

const QColor kBackground(0xE0, 0xE0, 0xE0);
const QColor kLinkColour(0x00, 0x00, 0xCC);

const QString kAuthor = QStringLiteral("The Quellard developers");
const QString kLicence = QStringLiteral("Freeware");
const QString kHomePageNotice = QStringLiteral("Visit our home page for news and other games.");
const QString kDisclaimer = QStringLiteral(
    "This game is provided free of charge and as it is, without any warranty. Its makers accept "
    "no responsibility for any damage or loss, of whatever kind, that arises from its use or from "
    "being unable to use it. You use it at your own risk.\n"
    "The money in the game is play money: nothing is won or lost outside it.");

QFont labelFont(qreal pointSize = 9.75, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &where)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(labelFont());
    label->setGeometry(where);
    // Labels are transparent: the grey of the box shows through. A QLabel paints no background
    // unless asked, so only the text colour needs to be fixed against the theme.
    label->setAutoFillBackground(false);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

QString AboutBox::versionText()
{
    return QStringLiteral("%1.%2").arg(QUELLARD_VERSION_MAJOR).arg(QUELLARD_VERSION_MINOR);
}

AboutBox::AboutBox(QWidget *owner, UrlOpener opener)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_opener(std::move(opener))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(kClientWidth, kClientHeight);

    QPalette greyBox = palette();
    greyBox.setColor(QPalette::Window, kBackground);
    greyBox.setColor(QPalette::WindowText, Qt::black);
    setPalette(greyBox);
    setAutoFillBackground(true);

    // A framed picture of the game's icon, to the left of the facts.
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(twips(600, 1155, 780, 780));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setMidLineWidth(1);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setGeometry(twips(750, 1305, 480, 480));
    icon->setPixmap(QIcon(QStringLiteral(":/quellard/icons/quellard-32.png")).pixmap(32, 32));
    icon->setAlignment(Qt::AlignCenter);
    icon->setAccessibleName(QStringLiteral("Quellard icon"));

    const QString title = QString::fromUtf8(kApplicationTitle.data(), qsizetype(kApplicationTitle.size()));
    QLabel *heading = addLabel(this, "Label1", title, twips(0, 240, 6735, 615));
    heading->setFont(labelFont(18, true));
    heading->setAlignment(Qt::AlignCenter);

    addLabel(this, "Label2", QStringLiteral("Version"), twips(1560, 1200, 855, 255));
    addLabel(this, "Label3", QStringLiteral("Author"), twips(1560, 1440, 735, 255));
    addLabel(this, "Label4", QStringLiteral("Homepage"), twips(1560, 1680, 1095, 255));
    addLabel(this, "Label5", QStringLiteral("Licence"), twips(1560, 1920, 855, 255));
    addLabel(this, "Label8", QStringLiteral(":"), twips(2760, 1200, 255, 255));
    addLabel(this, "Label10", QStringLiteral(":"), twips(2760, 1440, 255, 255));
    addLabel(this, "Label11", QStringLiteral(":"), twips(2760, 1680, 255, 255));
    addLabel(this, "Label12", QStringLiteral(":"), twips(2760, 1920, 255, 255));
    addLabel(this, "Label13", versionText(), twips(3000, 1200, 3135, 255));
    addLabel(this, "Label15", kAuthor, twips(3000, 1440, 3135, 255));
    addLabel(this, "Label16", QString::fromLatin1(kHomePage), twips(3000, 1680, 3135, 255));
    addLabel(this, "Label17", kLicence, twips(3000, 1920, 3255, 255));

    auto *disclaimer = new QPlainTextEdit(kDisclaimer, this);
    disclaimer->setObjectName(QStringLiteral("Text1"));
    disclaimer->setAccessibleName(QStringLiteral("Disclaimer"));
    disclaimer->setGeometry(twips(960, 2400, 4935, 1095));
    disclaimer->setFont(labelFont(8));
    disclaimer->setReadOnly(true);
    disclaimer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    disclaimer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    disclaimer->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    // Looks and acts like a link: blue, underlined, a hand under the mouse; a click opens the
    // home page.
    m_homePageNotice = addLabel(this, "Label6", kHomePageNotice, twips(960, 3660, 4935, 255));
    m_homePageNotice->setAlignment(Qt::AlignCenter);
    QFont linkFont = m_homePageNotice->font();
    linkFont.setUnderline(true);
    m_homePageNotice->setFont(linkFont);
    QPalette link = m_homePageNotice->palette();
    link.setColor(QPalette::WindowText, kLinkColour);
    m_homePageNotice->setPalette(link);
    m_homePageNotice->setCursor(Qt::PointingHandCursor);
    m_homePageNotice->setToolTip(QString::fromLatin1(kHomePage));
    m_homePageNotice->setAccessibleDescription(QStringLiteral("Opens our home page in your browser"));
    m_homePageNotice->installEventFilter(this);

    auto *close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setGeometry(twips(5400, 4200, 1095, 255));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    centreOnScreen(*this, owner);
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    // A click is a left button released over the notice, as with any button: pressing, then
    // sliding off before letting go, opens nothing.
    if (watched == m_homePageNotice && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_homePageNotice->rect().contains(mouse->position().toPoint())) {
            if (m_opener)
                m_opener(homePageUrl());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quellard

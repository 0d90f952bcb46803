// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/dialogs/AboutBox.h"

#include "shell/dialogs/KeyboardHandBack.h"
#include "shell/dialogs/WebAddresses.h"
#include "shell/look/Look.h"
#include "shell/look/ScreenPlacement.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quellard {

namespace {

const QColor kLinkColour(0x00, 0x00, 0xCC);

const QString kAuthor = QStringLiteral("The Quellard developers");
const QString kLicence = QStringLiteral("GNU GPL 3 or later");
const QString kHomePageNotice = QStringLiteral("Visit our home page for news and other games.");
const QString kDisclaimer =
    QStringLiteral("This game is provided free of charge and as it is, without any warranty. Its makers accept "
                   "no responsibility for any damage or loss, of whatever kind, that arises from its use or from "
                   "being unable to use it. You use it at your own risk.\n"
                   "The money in the game is play money: nothing is won or lost outside it.");

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &where)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(fontFor(Typeface::Verdana, 9.75));
    label->setGeometry(where);
    // Labels are transparent: the grey of the box shows through. A QLabel paints no background
    // unless asked, so only the text colour needs to be fixed against the theme.
    label->setAutoFillBackground(false);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A framed picture of the game's icon, to the left of the facts.
void addIcon(QWidget *box)
{
    auto *frame = new QFrame(box);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(twipsRect(600, 1155, 780, 780));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setMidLineWidth(1);

    auto *icon = new QLabel(box);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setGeometry(twipsRect(750, 1305, 480, 480));
    icon->setPixmap(QIcon(QStringLiteral(":/quellard/icons/quellard-32.png")).pixmap(32, 32));
    icon->setAlignment(Qt::AlignCenter);
    icon->setAccessibleName(QStringLiteral("Quellard icon"));
}

// The title, and the version, author, home page and licence, each after its name and a colon.
void addFacts(QWidget *box)
{
    QLabel *heading = addLabel(box, "Label1", applicationTitle(), twipsRect(0, 240, 6735, 615));
    heading->setFont(fontFor(Typeface::Verdana, 18, true));
    heading->setAlignment(Qt::AlignCenter);

    struct Fact {
        const char *nameLabel, *name;
        int nameWidth;
        const char *colonLabel, *valueLabel;
        QString value;
        int valueWidth;
    };
    const Fact facts[] = {
        {"Label2", "Version", 855, "Label8", "Label13", AboutBox::versionText(), 3135},
        {"Label3", "Author", 735, "Label10", "Label15", kAuthor, 3135},
        {"Label4", "Homepage", 1095, "Label11", "Label16", QString::fromLatin1(kHomePage), 3135},
        {"Label5", "Licence", 855, "Label12", "Label17", kLicence, 3255},
    };
    int top = 1200;
    for (const Fact &fact : facts) {
        addLabel(box, fact.nameLabel, QLatin1String(fact.name), twipsRect(1560, top, fact.nameWidth, 255));
        addLabel(box, fact.colonLabel, QStringLiteral(":"), twipsRect(2760, top, 255, 255));
        addLabel(box, fact.valueLabel, fact.value, twipsRect(3000, top, fact.valueWidth, 255));
        top += 240;
    }
}

void addDisclaimer(QWidget *box)
{
    auto *disclaimer = new QPlainTextEdit(kDisclaimer, box);
    disclaimer->setObjectName(QStringLiteral("Text1"));
    disclaimer->setAccessibleName(QStringLiteral("Disclaimer"));
    disclaimer->setGeometry(twipsRect(960, 2400, 4935, 1095));
    disclaimer->setFont(fontFor(Typeface::Verdana, 8));
    disclaimer->setReadOnly(true);
    disclaimer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    disclaimer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    disclaimer->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

// Looks and acts like a link: blue, underlined, a hand under the mouse.
QLabel *addHomePageNotice(QWidget *box)
{
    QLabel *notice = addLabel(box, "Label6", kHomePageNotice, twipsRect(960, 3660, 4935, 255));
    notice->setAlignment(Qt::AlignCenter);
    QFont linkFont = notice->font();
    linkFont.setUnderline(true);
    notice->setFont(linkFont);
    QPalette link = notice->palette();
    link.setColor(QPalette::WindowText, kLinkColour);
    notice->setPalette(link);
    notice->setCursor(Qt::PointingHandCursor);
    notice->setToolTip(QString::fromLatin1(kHomePage));
    notice->setAccessibleDescription(QStringLiteral("Opens our home page in your browser"));
    return notice;
}

} // namespace

QString AboutBox::versionText()
{
    return QStringLiteral("%1.%2").arg(QUELLARD_VERSION_MAJOR).arg(QUELLARD_VERSION_MINOR);
}

AboutBox::AboutBox(QWidget *owner, UrlOpener opener)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_opener(std::move(opener))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(twipsSize(6660, 4590));
    QPalette greyBox = palette();
    greyBox.setColor(QPalette::Window, QColor::fromRgb(colours::kLightGrey));
    greyBox.setColor(QPalette::WindowText, Qt::black);
    setPalette(greyBox);
    setAutoFillBackground(true);

    addIcon(this);
    addFacts(this);
    addDisclaimer(this);
    m_homePageNotice = addHomePageNotice(this);
    m_homePageNotice->installEventFilter(this);

    auto *close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setGeometry(twipsRect(5400, 4200, 1095, 255));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    centreOnScreen(*this, owner);
    handKeyboardBackOnClose(*this);
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    // A click is a left button released over the notice, as with any button: pressing, then
    // sliding off before letting go, opens nothing.
    if (watched == m_homePageNotice && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_homePageNotice->rect().contains(mouse->position().toPoint())) {
            // A home page the desktop cannot open leaves the box as it is.
            if (m_opener)
                m_opener(homePageUrl(), {});
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quellard

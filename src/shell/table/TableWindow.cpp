// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/table/TableWindow.h"

#include "shell/cards/CardBackPicture.h"
#include "shell/dialogs/HelpMenu.h"
#include "shell/look/Look.h"
#include "shell/look/ScreenPlacement.h"
#include "shell/sound/SoundPlayer.h"
#include "shell/table/AmountLabel.h"
#include "shell/table/CardSlotWidget.h"
#include "shell/table/ClickLabel.h"
#include "shell/table/HoverHighlight.h"
#include "shell/table/TableAccessibility.h"
#include "shell/table/TableForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <vector>

namespace quellard {

namespace {

// The form: the window's own surface, dark grey around the felt.
QWidget *createForm(QMainWindow *window)
{
    // How the table's own widgets appear to screen readers must be known before anything asks for
    // an interface; interfaces are made once per object and kept.
    installTableAccessibility();
    auto *form = new TableForm(window);
    form->setObjectName(QStringLiteral("BJMainForm"));
    form->setFixedSize(tableClientSize());
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colours::kTableSurround));
    form->setPalette(palette);
    form->setAutoFillBackground(true);
    window->setCentralWidget(form);
    return form;
}

QPixmap designTimeCardBack() { return QPixmap(QStringLiteral(":/quellard/embedded/card-back.png")); }

// A screen reader hears the amounts with what they are; the captions show only the numbers. Qt
// announces every change of name, so an unchanged name is left alone.
void nameAmount(QLabel *label, const QString &name)
{
    if (label->accessibleName() != name)
        label->setAccessibleName(name);
}

} // namespace

TableWindow::TableWindow(const TableWindowOptions &options, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_folders(findGameFolders(options.appFolder)),
      m_ownedRandom(options.random ? nullptr : std::make_unique<ClockSeededRandom>()),
      m_ownedSound(options.sound ? nullptr : std::make_unique<SoundPlayer>()),
      m_cardBack(designTimeCardBack()),
      m_controls(layOutTable(createForm(this), m_cardBack)),
      m_menus(buildTableMenus(this)),
      m_host({this, m_menus.sound, options.sound ? options.sound : m_ownedSound.get(), m_folders.files,
              [this] { render(); }, options.pauseScale}),
      m_game(m_host, options.random ? *options.random : *m_ownedRandom, options.table),
      m_settings(m_folders.settings, options.userSettingsFolder.isEmpty()
                                         ? userSettingsFolder()
                                         : QFile::encodeName(options.userSettingsFolder).toStdString()),
      m_deckBacks(m_settings, *this, m_folders.files),
      m_soundSwitch(m_settings)
{
    setObjectName(QStringLiteral("BJMain"));
    setWindowTitle(applicationTitle());
    setWindowIcon(QIcon(QStringLiteral(":/quellard/icons/quellard-32.png")));
    // The table never changes size: no resizing, no maximising.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    static_cast<TableForm *>(centralWidget())->setReadingOrder(m_controls.readingOrder());
    m_hover = new HoverHighlight(centralWidget(), m_controls.actions(), m_controls.highlights);
    m_helpMenu = new HelpMenu(this, m_folders.files, options.opener);
    connectControls();
    connectMenus();
    render();
}

TableWindow::~TableWindow() = default;

void TableWindow::formLoad()
{
    // A write of the settings cut short last time (the game killed, the machine off) is finished
    // first, so that the stored choices read whole.
    m_settings.finishInterruptedWrites();
    // 1. Sound on unless the stored switch says otherwise (step 5).
    m_menus.sound->setChecked(true);
    // 2.-3. Only the chips and New are open, one face-down dealer card and two player cards show:
    //       the fresh table the game starts with.
    render();
    // 4. The stored card back.
    m_deckBacks.applyStoredChoice();
    // 5. The stored sound switch.
    m_menus.sound->setChecked(m_soundSwitch.startUpTick());
}

void TableWindow::connectControls()
{
    Game &game = m_game;
    const TableControls &c = m_controls;
    // Each label's keys press the label itself, so a key does exactly what a click does, and
    // nothing while the label is closed. None of them collides with the menus' F1, F2, F5, Ctrl+X
    // or their Alt access keys.
    struct Binding {
        ClickLabel *label;
        std::function<void()> operation;
        std::vector<Qt::Key> keys;
    };
    std::vector<Binding> bindings = {
        {c.lblNew, [&game] { game.deal(); }, {Qt::Key_N, Qt::Key_Return, Qt::Key_Enter}},
        {c.lblHit, [&game] { game.hit(); }, {Qt::Key_H}},
        {c.lblStand, [&game] { game.stand(); }, {Qt::Key_S}},
        {c.lblDouble, [&game] { game.doubleDown(); }, {Qt::Key_D}},
    };
    for (std::size_t i = 0; i < kChips.size(); ++i) {
        const Chip &chip = kChips[i];
        bindings.push_back({c.chips[i], [&game, &chip] { game.placeChip(chip); }, {Qt::Key(chip.key)}});
    }
    for (const Binding &binding : bindings) {
        connect(binding.label, &ClickLabel::clicked, this, [this, operation = binding.operation] { run(operation); });
        for (Qt::Key key : binding.keys)
            binding.label->addShortcut(QKeySequence(key));
    }
}

void TableWindow::connectMenus()
{
    const TableMenus &m = m_menus;
    connect(m.newGame, &QAction::triggered, this, [this] { run([this] { m_game.restart(); }); });
    connect(m.exit, &QAction::triggered, this, &QWidget::close);
    connect(m.options, &QMenu::aboutToShow, this, [this] { m_deckBacks.optionsMenuOpened(); });
    for (std::size_t i = 0; i < m.deckItems.size(); ++i)
        connect(m.deckItems[i], &QAction::triggered, this, [this, i] {
            // A deck item's tick follows the stored choice, not the click.
            m_menus.deckItems[i]->setChecked(!m_menus.deckItems[i]->isChecked());
            m_deckBacks.menuItemClick(i);
        });
    connect(m.sound, &QAction::triggered, this, &TableWindow::soundClick);
    connect(m.contents, &QAction::triggered, m_helpMenu, &HelpMenu::mnuContentsClick);
    connect(m.feedback, &QAction::triggered, m_helpMenu, &HelpMenu::mnuFeedRepBugClick);
    connect(m.homepage, &QAction::triggered, m_helpMenu, &HelpMenu::mnuHomepageClick);
    connect(m.about, &QAction::triggered, m_helpMenu, &HelpMenu::mnuAboutClick);
}

void TableWindow::run(const std::function<void()> &operation)
{
    operation();
    render();
}

void TableWindow::soundClick(bool nowTicked)
{
    // The action has already flipped its tick; the switch's rule decides from the state before.
    m_menus.sound->setChecked(m_soundSwitch.soundClick(!nowTicked));
}

void TableWindow::render()
{
    const Table &t = m_game.table();
    const TableControls &c = m_controls;
    const QString cash = QString::fromStdString(t.cash.text()), bet = QString::fromStdString(t.bet.text());
    const QString playerTotal = QString::number(t.player.total), dealerTotal = QString::number(t.dealer.total);
    c.lblmoney->showAmount(cash);
    c.lblBet->showAmount(bet);
    c.lblPlay->showAmount(playerTotal);
    c.lblCom->showAmount(dealerTotal);
    nameAmount(c.lblmoney, QStringLiteral("Your cash: £%1").arg(cash));
    nameAmount(c.lblBet, QStringLiteral("Your bet: £%1").arg(bet));
    nameAmount(c.lblPlay, QStringLiteral("Your total: %1").arg(playerTotal));
    nameAmount(c.lblCom, QStringLiteral("Dealer's total: %1").arg(dealerTotal));
    auto showHand = [](const std::array<CardSlotWidget *, kSlotsPerHand> &widgets, const Hand &hand) {
        for (std::size_t i = 0; i < kSlotsPerHand; ++i) {
            const CardSlot &slot = hand.cardSlots[i];
            widgets[i]->show(slot.face, slot.cardNumber);
            widgets[i]->setVisible(slot.visible);
        }
    };
    showHand(c.picCom, t.dealer);
    showHand(c.picPlay, t.player);
    c.lblNew->setEnabled(t.open.deal);
    c.lblHit->setEnabled(t.open.hit);
    c.lblStand->setEnabled(t.open.stand);
    c.lblDouble->setEnabled(t.open.doubleDown);
    for (ClickLabel *chip : c.chips)
        chip->setEnabled(t.open.chips);
}

void TableWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        centreOnScreen(*this, nullptr);
        // Without a window manager (a kiosk session) nobody gives the new window the keyboard,
        // and the first keys would be lost until a click.
        activateWindow();
    }
}

void TableWindow::closeEvent(QCloseEvent *event)
{
    // Closing cannot be refused.
    event->accept();
    formUnload();
}

void TableWindow::formUnload()
{
    // Every other window of the game goes with the table, a dealer's turn in progress ends where it
    // stands, unsettled, and nothing is saved: settings were written when they changed.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    m_game.abandonDealerTurn();
    emit unloaded();
}

void TableWindow::reportProblem(DeckBackProblem problem) { m_host.showMessage(playerMessage(problem)); }

bool TableWindow::showCardBack(const std::string &path)
{
    const QImage picture = readCardBackPicture(path);
    if (picture.isNull()) {
        m_host.showMessage(PlayerMessage::DeckImageUnreadable);
        return false;
    }
    m_cardBack = QPixmap::fromImage(picture);
    // The deck pile and the first three slots take the new back, even over dealt cards.
    m_game.cardBackChanged();
    render();
    // Every face-down card draws the new picture: repaint them all, including a hole card lying
    // face down whose state did not change.
    for (CardSlotWidget *slot : m_controls.picCom)
        slot->update();
    for (CardSlotWidget *slot : m_controls.picPlay)
        slot->update();
    m_controls.picBack->update();
    return true;
}

void TableWindow::setTick(std::size_t item, bool ticked)
{
    if (item < m_menus.deckItems.size())
        m_menus.deckItems[item]->setChecked(ticked);
}

} // namespace quellard

// The main window's part in mail and links: mailing the document, the program-link buttons
// under "Externe Programme" with their dialog, the web-site entry and the logos, and where the
// links of the page lead.
#include "app/av_main.h"

#include "core/activity_guard.h"
#include "document/installed_fonts.h"
#include "links/document_mail.h"
#include "links/link_targets.h"
#include "links/program_links.h"
#include "links/ui/link_dialog.h"
#include "links/ui/mail_options_dialog.h"
#include "links/ui/program_link_button.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

namespace quindor {

namespace {

// The key-cap picture of the on-screen keyboard button, which has no caption.
QIcon KeyboardIcon() {
    QPixmap pixmap(32, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    p.setBrush(QColor(0xF4, 0xF4, 0xF4));
    p.drawRoundedRect(QRectF(1, 1, 30, 18), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    for (int row = 0; row < 2; ++row) {
        for (int key = 0; key < 6; ++key)
            p.drawRect(QRectF(4 + key * 4.2 + row * 2, 4 + row * 4.5, 2.8, 2.8));
    }
    p.drawRect(QRectF(9, 13.5, 14, 2.5));
    return QIcon(pixmap);
}

// The two logos at the foot of the tool bar: the program's and that of its topic packages.
QPixmap LogoPicture(const QString& text, const QColor& colour) {
    QPixmap pixmap(76, 30);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1, 1, 74, 28), 6, 6);
    // Both logos draw with one bold face of 15 pixels; the two-line logo is shrunk to 11.
    QFont font = InstalledFont(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    const double scale = text.contains(u'\n') ? 11.0 / 15.0 : 1.0;
    p.scale(scale, scale);
    const QRectF area(pixmap.rect());
    p.drawText(QRectF(area.topLeft() / scale, area.size() / scale), Qt::AlignCenter, text);
    return pixmap;
}

QToolButton* LogoButton(const char* name, const QPixmap& picture, const QString& hint,
                        QWidget* parent) {
    auto* logo = new QToolButton(parent);
    logo->setObjectName(QString::fromLatin1(name));
    logo->setIcon(QIcon(picture));
    logo->setIconSize(picture.size());
    logo->setAutoRaise(true);
    logo->setToolTip(hint);
    logo->setAccessibleName(hint);
    logo->setCursor(Qt::PointingHandCursor);
    return logo;
}

} // namespace

void MainWindow::setupLinks() {
    links_ = std::make_unique<LinkOpener>(app_.session, app_.topics, app_.state, app_.messages,
                                          app_.shell);
    links_->setLeaveActivity([this] {
        // Another document ends a run first, when the learner agrees.
        if (app_.state.ViewMode != Mode::Exercise)
            return true;
        if (!MayLeaveCurrentActivity(app_.state, app_.messages))
            return false;
        run_->AbortConfirmed();
        return true;
    });

    auto* file = menuBar()->findChild<QMenu*>(QStringLiteral("DateiMenu"));
    auto* mail = new QAction(QStringLiteral("Per E-&Mail versenden..."), file);
    mail->setObjectName(QStringLiteral("EMailItem"));
    mail->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    // Beside printing and copying, before the separator above "Beenden".
    const QList<QAction*> fileItems = file->actions();
    file->insertAction(
        fileItems.value(fileItems.indexOf(action(QStringLiteral("BeendenItem"))) - 1), mail);
    connect(mail, &QAction::triggered, this, &MainWindow::MailDocumentCommand);

    auto* options = menuBar()->findChild<QMenu*>(QStringLiteral("OptionenMenu"));
    auto* linksItem = new QAction(QStringLiteral("&Verknüpfungsfelder..."), options);
    linksItem->setObjectName(QStringLiteral("VerknuepfungsfelderItem"));
    options->insertAction(
        options->findChild<QMenu*>(QStringLiteral("WerkzeugleisteMenu"))->menuAction(), linksItem);
    connect(linksItem, &QAction::triggered, this, &MainWindow::ProgramLinksCommand);

    auto* help = menuBar()->findChild<QMenu*>(QStringLiteral("HilfeMenu"));
    connect(addAction(help, QStringLiteral("WebsiteItem"), QStringLiteral("Quindor-&Website")),
            &QAction::triggered, this, [this] { links_->openWebPage(ProductWebAddress()); });

    // "Externe Programme": V1, V2, V3 and the on-screen keyboard, above the board picture.
    auto* external = new QWidget(toolArea_);
    external->setObjectName(QStringLiteral("ExterneProgrammePan"));
    auto* grid = new QGridLayout(external);
    grid->setContentsMargins(0, 4, 0, 4);
    grid->setSpacing(3);
    auto* caption = new QLabel(QStringLiteral("Externe Programme"), external);
    grid->addWidget(caption, 0, 0, 1, kProgramLinkCount);
    for (int i = 0; i < kProgramLinkCount; ++i) {
        auto* button = new ProgramLinkButton(i, external);
        button->setToolButtonStyle(i == kKeyboardLink ? Qt::ToolButtonIconOnly
                                                      : Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        if (i == kKeyboardLink) {
            button->setIcon(KeyboardIcon());
            button->setIconSize(QSize(32, 20));
        }
        connect(button, &ProgramLinkButton::linkPressed, this, &MainWindow::programLinkPressed);
        linkButtons_[static_cast<size_t>(i)] = button;
        grid->addWidget(button, 1, i);
    }
    auto* tools = static_cast<QVBoxLayout*>(toolArea_->layout());
    tools->insertWidget(tools->indexOf(boardPicture_), external);

    auto* logos = new QHBoxLayout;
    logos->setContentsMargins(0, 6, 0, 0);
    QToolButton* logo =
        LogoButton("LogoImg", LogoPicture(QStringLiteral("Quindor"), QColor(0x1F, 0x5F, 0xA8)),
                   QStringLiteral("Quindor im Internet"), toolArea_);
    connect(logo, &QToolButton::clicked, this, [this] {
        if (app_.state.ViewMode != Mode::Puzzle)
            links_->openWebPage(ProductWebAddress());
    });
    QToolButton* packages = LogoButton(
        "Logo2Img", LogoPicture(QStringLiteral("Themen-\npakete"), QColor(0x2E, 0x8B, 0x57)),
        QStringLiteral("Quindor-Themenpakete im Internet"), toolArea_);
    connect(packages, &QToolButton::clicked, this,
            [this] { links_->openWebPage(TopicPackagesWebAddress()); });
    logos->addWidget(logo);
    logos->addWidget(packages);
    tools->addLayout(logos);
    showProgramLinks();
}

void MainWindow::showProgramLinks() {
    const ProgramLinks links = ProgramLinksOf(app_.settings);
    for (int i = 0; i < kProgramLinkCount; ++i) {
        ProgramLinkButton* button = linkButtons_[static_cast<size_t>(i)];
        const ProgramLink& link = links[static_cast<size_t>(i)];
        if (i != kKeyboardLink)
            button->setText(link.caption);
        button->setToolTip(link.hint);
        button->setAccessibleName(link.hint);
    }
}

void MainWindow::programLinkPressed(int index, bool rightButton) {
    if (PressProgramLink(app_.settings, index, rightButton, app_.shell, app_.messages) ==
        LinkPress::ShowDialog)
        ProgramLinksCommand();
}

void MainWindow::ProgramLinksCommand() {
    LinkDialog dialog(ProgramLinksOf(app_.settings), app_.pickers, app_.messages, this);
    const bool accepted =
        linkDialogAnswer_ ? linkDialogAnswer_(dialog) : dialog.exec() == QDialog::Accepted;
    if (!accepted)
        return;
    StoreProgramLinks(app_.settings, dialog.links());
    showProgramLinks();
}

void MainWindow::MailDocumentCommand() {
    if (!mailOptions_)
        mailOptions_ = new MailOptionsDialog(this);
    SendDocumentByMail(app_.session, app_.state, app_.messages, app_.mail, [this] {
        return mailAnswer_ ? mailAnswer_(*mailOptions_) : mailOptions_->choose();
    });
}

void MainWindow::HelpCommand() {
    links_->openWebPage(QStringLiteral("file://") +
                        QDir::fromNativeSeparators(app_.state.HelpFolder) +
                        QStringLiteral("index.html"));
}

} // namespace quindor

#include "app/how_to_play_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "app/how_to_play_text.h"
#include "ui/qt/qt_game_window.h"
#include "ui/qt/qt_look.h"

namespace quirvanto {

namespace {

// The machine's look: black ground, its pale green captions, yellow headings, its font.
constexpr ui::Colour kGround = 0x000000;
constexpr ui::Colour kText = 0xC0FFC0;
constexpr ui::Colour kHeading = 0x00FFFF;
constexpr double kTextPoints = 9.75;
constexpr QSize kLargest{600, 640};
// The share of the screen the window may take at most, so that it fits at any scale.
constexpr double kScreenShare = 0.85;

QString headingStyle() {
    return QStringLiteral("h1, h2, th { color: %1; }").arg(ui::qt::toQColor(kHeading).name());
}

bool opensHowToPlay(const QObject* watched) {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    const auto* game =
        widget != nullptr ? dynamic_cast<const ui::qt::GameWindow*>(widget->window()) : nullptr;
    return game != nullptr &&
           (game->window().name() == "Form1" || game->window().name() == "Form6");
}

}  // namespace

HowToPlayWindow::HowToPlayWindow() {
    setWindowTitle(QStringLiteral("How to play - Quirvanto"));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ui::qt::toQColor(kGround));
    colours.setColor(QPalette::Base, ui::qt::toQColor(kGround));
    colours.setColor(QPalette::Text, ui::qt::toQColor(kText));
    colours.setColor(QPalette::WindowText, ui::qt::toQColor(kText));
    setPalette(colours);

    auto* text = new QTextBrowser(this);
    text->setFont(ui::qt::gameFont(kTextPoints));
    text->setPalette(colours);
    text->document()->setDefaultStyleSheet(headingStyle());
    text->setHtml(howToPlayHtml());
    text->setAccessibleName(windowTitle());
    text->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    // The arrows and Page keys scroll the text from the moment the window opens.
    setFocusProxy(text);

    const QSize room = screen()->availableSize() * kScreenShare;
    resize(std::min(kLargest.width(), room.width()), std::min(kLargest.height(), room.height()));
}

// The text ignores ESC, which so comes to the window.
void HowToPlayWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

HowToPlayKey::HowToPlayKey() {
    QApplication::instance()->installEventFilter(this);
}

bool HowToPlayKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        opensHowToPlay(watched)) {
        open();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void HowToPlayKey::open() {
    if (window_ == nullptr) {
        window_ = new HowToPlayWindow;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace quirvanto

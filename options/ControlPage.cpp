#include "ControlPage.h"

#include "platform/KeyState.h"

#include <QShortcut>

namespace gb {
namespace {

uint32_t ColourRef(const QColor& colour) {
    return uint32_t(colour.red()) | (uint32_t(colour.green()) << 8) | (uint32_t(colour.blue()) << 16);
}

QColor ColourOf(uint32_t value) { return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF)); }

} // namespace

ControlPage::ControlPage(QWidget* parent) : QWidget(parent) {
    // Placed on a window, it takes the window's colours.
    const QPalette& window = parent ? parent->palette() : palette();
    backColor_ = ColourRef(window.color(QPalette::Window));
    foreColor_ = ColourRef(window.color(QPalette::WindowText));
    ApplyColours();
}

void ControlPage::SetBackColor(uint32_t colour) {
    backColor_ = colour & 0xFFFFFF;
    ApplyColours();
}

void ControlPage::SetForeColor(uint32_t colour) {
    foreColor_ = colour & 0xFFFFFF;
    ApplyColours();
}

void ControlPage::ApplyColours() {
    QPalette p = palette();
    p.setColor(QPalette::Window, ColourOf(backColor_));
    p.setColor(QPalette::WindowText, ColourOf(foreColor_));
    setPalette(p);
    setAutoFillBackground(true);
}

std::vector<QWidget*> ControlPage::Children() const {
    std::vector<QWidget*> children;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) children.push_back(child);
    return children;
}

std::vector<QWidget*> ControlPage::Neighborhoods() const {
    std::vector<QWidget*> neighbours;
    if (!parentWidget()) return neighbours;
    for (QWidget* child : parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != this) neighbours.push_back(child);
    return neighbours;
}

void ControlPage::SetAccessKey(const std::string& keys) {
    for (QShortcut* shortcut : shortcuts_) shortcut->deleteLater();
    shortcuts_.clear();
    accessKey_ = keys;
    for (QChar key : QString::fromStdString(keys)) {
        const QChar upper = key.toUpper();
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(upper.unicode())), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, upper] {
            if (Events.AccessKeyPress) Events.AccessKeyPress(int16_t(VirtualKeyFromQtKey(int(upper.unicode()))));
        });
        shortcuts_.push_back(shortcut);
    }
}

void ControlPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (Events.Show) Events.Show();
}

void ControlPage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (Events.Hide) Events.Hide();
}

} // namespace gb

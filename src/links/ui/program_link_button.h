#pragma once

#include <QToolButton>

namespace quindor {

// A program-link button of the tool bar. It answers the press itself, with the button that
// went down: the left one starts the program, the right one opens the link dialog. Space and
// Enter count as the left button, the context-menu key and Shift+F10 as the right one.
class ProgramLinkButton : public QToolButton {
    Q_OBJECT
public:
    explicit ProgramLinkButton(int index, QWidget* parent = nullptr);
    int index() const { return index_; }

signals:
    void linkPressed(int index, bool rightButton);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int index_;
};

} // namespace quindor

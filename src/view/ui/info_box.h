#pragma once

#include "core/messages.h"
#include "core/pickers.h"
#include "print/rtf_writer.h"
#include "print/ui/program_printer.h"

#include <QDialog>
#include <QLabel>
#include <QPrinter>
#include <QScrollArea>

namespace quindor {

// The window "Information" of an info point: the explanation text laid out as a picture in a
// vertically scrolling area, shown beside the main window without blocking it.
class InfoBox : public QDialog {
    Q_OBJECT
public:
    InfoBox(Pickers& pickers, Messages& messages, ProgramPrinter& printer,
            QWidget* parent = nullptr);
    // Lays out the marked-up text and shows the window scrolled to the top.
    void showText(const QString& markedUpText);
    // The text without its style tags, as the clipboard gets it.
    QString plainText() const { return plain_; }
    static QString PlainInfoText(const QString& markedUpText);
    // The plain copy as the printout and the rich-text file take it: 11 points, no style.
    std::vector<RichParagraph> plainParagraphs() const;
    bool saveAs(const QString& path) const;
    bool printTo(QPrinter& printer) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void saveCommand();
    void printCommand();

    Pickers& pickers_;
    Messages& messages_;
    ProgramPrinter& printer_;
    QScrollArea* scroll_;
    QLabel* picture_;
    QWidget* buttonRow_ = nullptr;
    QString plain_;
    int pressY_ = 0;
    int pressScroll_ = 0;
    bool dragging_ = false;
};

} // namespace quindor

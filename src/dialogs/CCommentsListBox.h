#pragma once

#include <QListWidget>
#include <string>

// The comments list: owner-drawn items of variable height. Each item is as
// high as its text (what the list holds) takes when wrapped to the list's
// width, and draws the comment's whole caption, header included, wrapped:
// in the highlight colours when selected, else in the text colour on
// white.
class CCommentsListBox : public QListWidget {
    Q_OBJECT

public:
    explicit CCommentsListBox(QWidget* parent = nullptr);

    // Adds an item holding `text` that draws `wholeText` (UTF-8, lines
    // broken by CR LF or LF).
    void AddComment(const std::string& text, const std::string& wholeText);

    // The margin around each item's text, in pixels.
    static constexpr int kTextMargin = 2;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

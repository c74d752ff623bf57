#pragma once

#include "app/LogicalFont.h"
#include "ui/ColorRef.h"
#include "workflows/MenuModel.h"

#include <QWidget>
#include <functional>

// A flat drop-down button of the blog header: the text of the chosen
// command and a small arrow at its right end. A tap on them opens the menu
// at the text's left edge just below the button, showing the title while
// the menu is open; the chosen command goes to `onCommand`.
class CDocListComboBox : public QWidget {
    Q_OBJECT

public:
    using MenuSource = std::function<Menu()>;
    using CommandSink = std::function<void(CommandId)>;

    CDocListComboBox(int controlId, std::string title, ColorRef background, QWidget* parent);

    int GetControlId() const { return m_controlId; }
    void SetMenuSource(MenuSource source) { m_menuSource = std::move(source); }
    void SetCommandSink(CommandSink sink) { m_commandSink = std::move(sink); }
    void SetText(std::string text);
    // What the button shows now: the choice, or the title while the menu is
    // open.
    const std::string& GetShownText() const { return m_menuOpen ? m_title : m_text; }
    bool IsPressed() const { return m_pressed; }

    // The text-and-arrow block at the right end, in the button's
    // coordinates.
    QRect BlockRect() const;
    // Opens the menu as a tap on the block does.
    void OpenMenu();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    LogicalFont Font() const;

    int m_controlId;
    std::string m_title;
    std::string m_text;
    ColorRef m_background;
    MenuSource m_menuSource;
    CommandSink m_commandSink;
    bool m_pressed { false };
    bool m_menuOpen { false };
};

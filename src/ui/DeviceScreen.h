#pragma once

#include <QWidget>

class CMainFrame;
class CWinBlogUser;
class DialogHost;
class InputPanel;
class NavigationBar;
class SoftKeyBar;

// The handheld's screen in a desktop window, drawn in the device pixels of
// the emulated screen: the navigation bar at the top, the program's frame,
// the emulated input panel when it is up, and the soft-key bar at the
// bottom, each bar 26 scaled pixels high.
class DeviceScreen : public QWidget {
    Q_OBJECT

public:
    // The bars' height at 96 dpi.
    static constexpr int kBarDesignHeight = 26;

    DeviceScreen(CWinBlogUser& user, DialogHost& dialogs, QWidget* parent = nullptr);
    ~DeviceScreen() override;

    CMainFrame& GetFrame() { return *m_frame; }
    NavigationBar& GetNavigationBar() { return *m_navigationBar; }
    SoftKeyBar& GetSoftKeyBar() { return *m_softKeyBar; }

    void SetInputPanelShown(bool shown);
    bool IsInputPanelShown() const;
    void ToggleInputPanel() { SetInputPanelShown(!IsInputPanelShown()); }
    // Opens the mode's menu from the right soft key, as a tap does.
    void OpenSoftKeyMenu();

    // Brings the window to the front (a second start of the program).
    void BringToFront();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceChildren();
    void UpdateBars();

    NavigationBar* m_navigationBar { nullptr };
    CMainFrame* m_frame { nullptr };
    InputPanel* m_inputPanel { nullptr };
    SoftKeyBar* m_softKeyBar { nullptr };
};

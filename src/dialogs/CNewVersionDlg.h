#pragma once

#include <QDialog>

class QCheckBox;

// "New Version Available": tells the user that a newer version can be
// downloaded, offers to stop mentioning it, and closes with OK or, for
// "Download", with CNewVersionDlg::DownloadResult.
class CNewVersionDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int DownloadResult = 1037;

    CNewVersionDlg(const QString& version, QWidget* parent = nullptr);

    // Whether "Dont show again" was ticked when the dialog closed with OK;
    // Download does not read the box.
    bool DontShowAgain() const { return m_dontShowAgain; }

private:
    void AcceptWithCheckBox();

    QCheckBox* m_dontShowAgainBox { nullptr };
    bool m_dontShowAgain { false };
};

#pragma once

#include "dialogs/CHandheldDialog.h"

class QCheckBox;

// "New Version Available": tells the user that a newer version can be
// downloaded, offers to stop mentioning it, and closes with OK or, for
// "Download", with CNewVersionDlg::DownloadResult.
class CNewVersionDlg : public CHandheldDialog {
    Q_OBJECT

public:
    static constexpr int DownloadResult = DialogResults::NewVersionDownload;
    static constexpr std::string_view kTitle = "New Version Available";
    static constexpr std::string_view kSentence = "A newer version of Vellumbrix can be downloaded from the VellumbrixWeb site.";

    CNewVersionDlg(const QString& version, QWidget* parent = nullptr);

    // Whether "Dont show again" was ticked when the dialog closed with OK;
    // Download does not read the box.
    bool DontShowAgain() const { return m_dontShowAgain; }

private:
    void AcceptWithCheckBox();

    QCheckBox* m_dontShowAgainBox { nullptr };
    bool m_dontShowAgain { false };
};

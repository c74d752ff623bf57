#pragma once

// What a modal dialog returns: the framework's standard OK and Cancel, and
// the few results of the program's own.
using DialogResult = int;

namespace DialogResults {

constexpr DialogResult Ok = 1;
constexpr DialogResult Cancel = 2;
constexpr DialogResult Yes = 6;
constexpr DialogResult No = 7;
constexpr DialogResult DownloadNextSync = 3;      // "Next Sync" of the download-photo dialog
constexpr DialogResult WelcomeNext = 1031;        // "Next" of the welcome dialog
constexpr DialogResult NewVersionDownload = 1037; // "Download" of the new-version notice
constexpr DialogResult EntryDeleted = 1064;       // the edit entry dialog deleted its entry

}

// What pressing a button of a dialog leads to: the dialog closes with a
// result, or it stays open, with the focus on the field at fault when one
// was (each workflow numbers its fields).
struct DialogOutcome {
    static constexpr int kNoField = -1;

    bool closes { false };
    DialogResult result { DialogResults::Cancel };
    int faultyField { kNoField };

    static DialogOutcome Close(DialogResult result) { return { true, result, kNoField }; }
    static DialogOutcome Stay(int faultyField = kNoField) { return { false, DialogResults::Cancel, faultyField }; }

    bool operator==(const DialogOutcome&) const = default;
};

#pragma once

// The results with which a modal dialog closes: the standard OK and Cancel,
// and the few results of the dialogs' own.
namespace DialogResult {

constexpr int Ok = 1;
constexpr int Cancel = 2;
// "Next Sync" of the download-photo dialog.
constexpr int NextSync = 3;
// "Next" of the welcome dialog.
constexpr int WelcomeNext = 1031;
// "Download" of the new-version notice.
constexpr int Download = 1037;
// The edit entry dialog deleted its entry.
constexpr int EntryDeleted = 1064;

}

// What pressing a button of a dialog leads to: the dialog closes with a
// result, or it stays open, with the focus on the field at fault when one
// was (each workflow numbers its fields).
struct DialogOutcome {
    static constexpr int kNoField = -1;

    bool closes { false };
    int result { DialogResult::Cancel };
    int faultyField { kNoField };

    static DialogOutcome Close(int result) { return { true, result, kNoField }; }
    static DialogOutcome Stay(int faultyField = kNoField) { return { false, DialogResult::Cancel, faultyField }; }

    bool operator==(const DialogOutcome&) const = default;
};

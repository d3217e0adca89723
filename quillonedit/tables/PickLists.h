#pragma once
// Rows of the three word pick lists of the word construction dialog
// (cboVoice "All Words", cbocall "Call Letters", cboSpecial "Special").
// The fills only build rows; the dialog copies them into its combo boxes.

#include <QString>

#include <vector>

namespace quillon {

struct PickListRow {
    QString label; // what the list shows and what a pick appends to the text
    int item = 0;  // word number recorded for the pick (the row's item data)
};

// Each fill appends its rows to the end of its list, in the fixed order
// LoadVoiceNumbers, LoadVoiceWordsAtoM, LoadVoiceWordsNtoZ, LoadVoiceSpecialWords
// (cboVoice), LoadCallSignCharacters (cbocall), LoadSpecialWordList (cboSpecial).
void LoadVoiceNumbers();
void LoadVoiceWordsAtoM();
void LoadVoiceWordsNtoZ();
void LoadVoiceSpecialWords();
void LoadCallSignCharacters();
void LoadSpecialWordList();

const std::vector<PickListRow>& cboVoiceRows();
const std::vector<PickListRow>& cbocallRows();
const std::vector<PickListRow>& cboSpecialRows();

} // namespace quillon

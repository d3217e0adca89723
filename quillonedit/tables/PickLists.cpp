#include "quillonedit/tables/PickLists.h"

#include "quillonedit/tables/TableState.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <span>

namespace quillon {

namespace {

using detail::WordText;

// The lists take their rows from the vocabulary, in its order and with its print
// texts as labels, except where the tables below say otherwise: the dialog words
// some labels differently, and "All Words" shows a few words beside their
// alphabetical neighbours, the order users know.

// Each of these words stands right after the word given, not in numeric order.
struct MovedWord {
    int word;
    int after;
};
constexpr MovedWord kMovedWords[] = {
    {299, 272}, {373, 370}, {393, 372}, {457, 446}, {486, 476}, {703, 684},
    {704, 698}, {802, 770}, {831, 829}, {852, 840}, {910, 906},
};

// The one vocabulary word that no list offers.
constexpr int kWordInNoList = 685;

// Words of "All Words" labelled differently from the print text.
constexpr WordText kWordLabels[] = {
    {343, "Ed_(suffix)"}, {479, "Ing_(suffix)"}, {555, "Less_Than"},
    {610, "More Than"}, {651, "O'clock"}, {802, "S_(plural)"},
    {830, "The_(short_E)"}, {831, "The_(long_E)"}, {876, "Use_(noun)"},
    {877, "Use_(verb)"}, {910, "Wind-Chill"},
};

// Specials labelled alike in "All Words" and "Special".
constexpr WordText kSpecialLabels[] = {
    {960, "[Pause_1]"}, {961, "[Pause_2]"}, {962, "[Pause_3]"},
    {963, "[Pause_4]"}, {964, "[Chime_1]"}, {965, "[Chime_2]"},
    {966, "[Chime_3]"}, {980, "[G_Morning]"}, {981, "[G_Afternoon]"},
    {982, "[G_Evening]"}, {100, "[Time_Of_Day]"}, {101, "[Day_of_Week]"},
    {102, "[Day_of_Month]"}, {104, "[Inside_Temperature]"}, {105, "[Outside_Temperature]"},
    {106, "[Wind_Speed]"}, {107, "[Hi/Lo_Temperature]"}, {108, "[Rain_Rate]"},
    {111, "[UF_#1_OFF]"}, {112, "[UF_#1_ON]"}, {113, "[UF_#1_MON]"},
    {114, "[UF_#2_OFF]"}, {115, "[UF_#2_ON]"}, {116, "[UF_#2_MON]"},
    {117, "[UF_#3_OFF]"}, {118, "[UF_#3_ON]"}, {119, "[UF_#3_MON]"},
    {120, "[UF_#4_OFF]"}, {121, "[UF_#4_ON]"}, {122, "[UF_#4_MON]"},
    {123, "[UF_#5_OFF]"}, {124, "[UF_#5_ON]"}, {125, "[UF_#5_MON]"},
    {126, "[UF_#6_OFF]"}, {127, "[UF_#6_ON]"}, {128, "[UF_#6_MON]"},
    {129, "[UF_#7_OFF]"}, {130, "[UF_#7_ON]"}, {131, "[UF_#7_MON]"},
    {132, "[UF_#8_OFF]"}, {133, "[UF_#8_ON]"}, {134, "[UF_#8_MON]"},
    {135, "[500_Ms_Delay]"},
};

// DVR tracks, courtesy tones and CW buffers as "All Words" names them ...
constexpr WordText kAllWordsSpecialLabels[] = {
    {140, "[DVR_Track_#1]"}, {141, "[DVR_Track_#2]"}, {142, "[DVR_Track_#3]"},
    {143, "[DVR_Track_#4]"}, {144, "[DVR_Track_#5]"}, {145, "[DVR_Track_#6]"},
    {146, "[DVR_Track_#7]"}, {147, "[DVR_Track_#8]"}, {148, "[DVR_Track_#9]"},
    {149, "[DVR_Track_#10]"}, {150, "[DVR_Track_#11]"}, {151, "[DVR_Track_#12]"},
    {152, "[DVR_Track_#13]"}, {153, "[DVR_Track_#14]"}, {154, "[DVR_Track_#15]"},
    {155, "[DVR_Track_#16]"},
    {160, "[Courtesy_Tone_#0]"}, {161, "[Courtesy_Tone_#1]"}, {162, "[Courtesy_Tone_#2]"},
    {163, "[Courtesy_Tone_#3]"}, {164, "[Courtesy_Tone_#4]"}, {165, "[Courtesy_Tone_#5]"},
    {166, "[Courtesy_Tone_#6]"}, {167, "[Courtesy_Tone_#7]"}, {168, "[Courtesy_Tone_#8]"},
    {169, "[Courtesy_Tone_#9]"},
    {170, "[CW_Buffer_1]"}, {171, "[CW_Buffer_2]"},
};

// ... and as "Special" names them (its CW buffers keep the print texts).
constexpr WordText kSpecialListLabels[] = {
    {140, "[DVR_Track_1]"}, {141, "[DVR_Track_2]"}, {142, "[DVR_Track_3]"},
    {143, "[DVR_Track_4]"}, {144, "[DVR_Track_5]"}, {145, "[DVR_Track_6]"},
    {146, "[DVR_Track_7]"}, {147, "[DVR_Track_8]"}, {148, "[DVR_Track_9]"},
    {149, "[DVR_Track_10]"}, {150, "[DVR_Track_11]"}, {151, "[DVR_Track_12]"},
    {152, "[DVR_Track_13]"}, {153, "[DVR_Track_14]"}, {154, "[DVR_Track_15]"},
    {155, "[DVR_Track_16]"},
    {160, "[Courtesy_Tone_0]"}, {161, "[Courtesy_Tone_1]"}, {162, "[Courtesy_Tone_2]"},
    {163, "[Courtesy_Tone_3]"}, {164, "[Courtesy_Tone_4]"}, {165, "[Courtesy_Tone_5]"},
    {166, "[Courtesy_Tone_6]"}, {167, "[Courtesy_Tone_7]"}, {168, "[Courtesy_Tone_8]"},
    {169, "[Courtesy_Tone_9]"},
};

static_assert(std::size(kMovedWords) == 11);
static_assert(std::size(kWordLabels) == 11);
static_assert(std::size(kSpecialLabels) == 43);
static_assert(std::size(kAllWordsSpecialLabels) == 28);
static_assert(std::size(kSpecialListLabels) == 26);

using LabelTables = std::initializer_list<std::span<const WordText>>;

const char* textOf(std::span<const WordText> table, int word)
{
    for (const WordText& w : table) {
        if (w.word == word)
            return w.text;
    }
    return nullptr;
}

// The list's own label for the word if one of its tables has it, else the print text.
QString labelOf(int word, LabelTables labels)
{
    for (std::span<const WordText> table : labels) {
        if (const char* label = textOf(table, word))
            return QString::fromLatin1(label);
    }
    for (std::span<const WordText> table : {detail::vocabularyWords(), detail::vocabularyTokens()}) {
        if (const char* text = textOf(table, word))
            return QString::fromLatin1(text);
    }
    return QString();
}

void appendRow(std::vector<PickListRow>& list, int word, LabelTables labels)
{
    list.push_back(PickListRow{labelOf(word, labels), word});
}

bool isMoved(int word)
{
    return std::any_of(std::begin(kMovedWords), std::end(kMovedWords),
                       [word](const MovedWord& m) { return m.word == word; });
}

// The words first..last of "All Words", with the moved words after their neighbours.
void appendWords(int first, int last)
{
    auto& list = detail::tableState().cboVoice;
    for (const WordText& w : detail::vocabularyWords()) {
        if (w.word < first || w.word > last || w.word == kWordInNoList || isMoved(w.word))
            continue;
        appendRow(list, w.word, {kWordLabels});
        for (const MovedWord& m : kMovedWords) {
            if (m.after == w.word)
                appendRow(list, m.word, {kWordLabels});
        }
    }
}

// Sounds, part-of-day phrases, variables and tokens, in the vocabulary's order.
void appendSpecials(std::vector<PickListRow>& list, LabelTables labels)
{
    for (std::span<const WordText> table : {detail::vocabularyWords(), detail::vocabularyTokens()}) {
        for (const WordText& w : table) {
            if (w.word >= 960 || (w.word >= 100 && w.word < 200))
                appendRow(list, w.word, labels);
        }
    }
}

} // namespace

void LoadVoiceNumbers()
{
    for (const WordText& w : detail::vocabularyWords()) {
        if (w.word < 100)
            appendRow(detail::tableState().cboVoice, w.word, {});
    }
}

void LoadVoiceWordsAtoM() { appendWords(210, 612); }
void LoadVoiceWordsNtoZ() { appendWords(620, 954); }

void LoadVoiceSpecialWords()
{
    appendSpecials(detail::tableState().cboVoice, {kAllWordsSpecialLabels, kSpecialLabels});
}

void LoadCallSignCharacters()
{
    // The digits and the letters: the vocabulary's one-character words.
    for (const WordText& w : detail::vocabularyWords()) {
        if (std::strlen(w.text) == 1)
            appendRow(detail::tableState().cbocall, w.word, {});
    }
}

void LoadSpecialWordList()
{
    appendSpecials(detail::tableState().cboSpecial, {kSpecialListLabels, kSpecialLabels});
}

const std::vector<PickListRow>& cboVoiceRows() { return detail::tableState().cboVoice; }
const std::vector<PickListRow>& cbocallRows() { return detail::tableState().cbocall; }
const std::vector<PickListRow>& cboSpecialRows() { return detail::tableState().cboSpecial; }

} // namespace quillon

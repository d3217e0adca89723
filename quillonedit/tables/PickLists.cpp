#include "quillonedit/tables/PickLists.h"

#include "quillonedit/tables/TableState.h"

#include <iterator>

namespace quillon {

namespace {

using detail::WordText;

// Labels are what the word construction dialog shows; some are worded
// differently from the vocabulary's print texts, and a few words stand out of
// numeric order. The rows keep the order users know. Word 685 is in no list.

constexpr WordText kVoiceNumbers[] = {
    {0, "0"}, {1, "1"}, {2, "2"},
    {3, "3"}, {4, "4"}, {5, "5"},
    {6, "6"}, {7, "7"}, {8, "8"},
    {9, "9"}, {10, "10"}, {11, "11"},
    {12, "12"}, {13, "13"}, {14, "14"},
    {15, "15"}, {16, "16"}, {17, "17"},
    {18, "18"}, {19, "19"}, {20, "20"},
    {30, "30"}, {40, "40"}, {50, "50"},
    {60, "60"}, {70, "70"}, {80, "80"},
    {90, "90"},
};

constexpr WordText kVoiceWordsAtoM[] = {
    {210, "A"}, {211, "A.M."}, {212, "Abort"},
    {213, "About"}, {214, "Above"}, {215, "Acknowledge"},
    {216, "Action"}, {217, "Adjust"}, {218, "Advise"},
    {219, "Aerial"}, {220, "Affirmative"}, {221, "Again"},
    {222, "Air"}, {223, "Alert"}, {224, "All"},
    {225, "Alpha"}, {226, "Alternate"}, {227, "Altitude"},
    {228, "Amateur"}, {229, "Amps"}, {230, "An"},
    {231, "And"}, {232, "Answer"}, {233, "April"},
    {234, "Are"}, {235, "Area"}, {236, "As"},
    {237, "Assistance"}, {238, "Association"}, {239, "At"},
    {240, "Attempt"}, {241, "Attention"}, {242, "August"},
    {243, "Automatic"}, {244, "Autopatch"}, {245, "Auxiliary"},
    {246, "Avenue"}, {247, "Average"}, {250, "B"},
    {251, "Back"}, {252, "Band"}, {253, "Base"},
    {254, "Battery"}, {255, "Below"}, {256, "Between"},
    {257, "Bravo"}, {258, "Break"}, {259, "Button"},
    {260, "By"}, {270, "C"}, {271, "Calibrate"},
    {272, "Call"}, {299, "Calm"}, {273, "Calling"},
    {274, "Cancel"}, {275, "Quill"}, {276, "Caution"},
    {277, "Center"}, {278, "Celsius"}, {279, "Change"},
    {280, "Charlie"}, {281, "Check"}, {282, "Circuit"},
    {283, "Clear"}, {284, "Clock"}, {285, "Closed"},
    {286, "Club"}, {287, "Code"}, {288, "Come"},
    {289, "Complete"}, {290, "Completed"}, {291, "Computer"},
    {292, "Condition"}, {293, "Congratulations"}, {294, "Connect"},
    {295, "Contact"}, {296, "Control"}, {297, "Current"},
    {298, "Cycle"}, {310, "D"}, {311, "Danger"},
    {312, "Data"}, {313, "Date"}, {314, "Day"},
    {315, "Days"}, {316, "December"}, {317, "Decrease"},
    {318, "Degree"}, {319, "Delay"}, {320, "Delta"},
    {321, "Department"}, {322, "Direction"}, {323, "Do"},
    {324, "Down"}, {325, "Drizzle"}, {326, "Due"},
    {327, "Dynamic"}, {340, "E"}, {341, "East"},
    {342, "Echo"}, {343, "Ed_(suffix)"}, {344, "Emergency"},
    {345, "End"}, {346, "Enter"}, {347, "Equals"},
    {348, "Error"}, {349, "Evacuation"}, {350, "Exit"},
    {351, "Expect"}, {370, "F"}, {373, "Fahrenheit"},
    {371, "Fail"}, {372, "Failure"}, {393, "Fall"},
    {374, "Fast"}, {375, "February"}, {376, "Feet"},
    {378, "File"}, {379, "Filed"}, {380, "Final"},
    {381, "Fire"}, {382, "Flag"}, {383, "Fog"},
    {384, "For"}, {385, "Foxhunt"}, {386, "Foxtrot"},
    {387, "Freezing"}, {388, "Frequency"}, {389, "Friday"},
    {390, "From"}, {391, "Front"}, {392, "Full"},
    {410, "G"}, {411, "Gear"}, {412, "Get"},
    {413, "Go"}, {414, "Golf"}, {415, "Good"},
    {416, "Green"}, {417, "Ground"}, {440, "H"},
    {441, "Hail"}, {442, "Half"}, {443, "Ham"},
    {444, "Hamfest"}, {445, "Have"}, {446, "Hazardous"},
    {457, "Heat"}, {447, "Heavy"}, {448, "Henry"},
    {449, "Hertz"}, {450, "High"}, {451, "Hold"},
    {452, "Home"}, {453, "Hotel"}, {454, "Hour"},
    {455, "Hours"}, {456, "Hundred"}, {470, "I"},
    {471, "Ice"}, {472, "Icing"}, {473, "Identify"},
    {474, "Immediately"}, {475, "In"}, {476, "Increase"},
    {486, "Index"}, {477, "India"}, {478, "Information"},
    {479, "Ing_(suffix)"}, {480, "Inputs"}, {481, "Intruder"},
    {482, "Is"}, {483, "It"}, {500, "J"},
    {501, "January"}, {502, "Juliet"}, {503, "July"},
    {504, "June"}, {530, "K"}, {531, "Key"},
    {532, "Keypad"}, {533, "Kilo"}, {534, "Knots"},
    {550, "L"}, {551, "Land"}, {552, "Last"},
    {553, "Late"}, {554, "Left"}, {555, "Less_Than"},
    {556, "Let"}, {557, "Level"}, {558, "Light"},
    {559, "Lima"}, {560, "Line"}, {561, "Link"},
    {562, "List"}, {563, "Load"}, {564, "Lock"},
    {565, "Lockout"}, {566, "Long"}, {567, "Look"},
    {568, "Low"}, {569, "Lower"}, {580, "M"},
    {581, "Machine"}, {582, "Macro"}, {583, "Make"},
    {584, "Malfunction"}, {585, "Manual"}, {586, "Many"},
    {587, "March"}, {588, "May"}, {589, "Mayday"},
    {590, "Me"}, {591, "Measure"}, {592, "Measured"},
    {593, "Meeting"}, {594, "Mega"}, {595, "Message"},
    {596, "Meter"}, {597, "Meters"}, {598, "Micro"},
    {599, "Mike"}, {600, "Miles"}, {601, "Milli"},
    {602, "Million"}, {603, "Minus"}, {604, "Minute"},
    {605, "Minutes"}, {606, "Mobile"}, {607, "Modified"},
    {608, "Monday"}, {609, "Month"}, {610, "More Than"},
    {611, "Move"}, {612, "Much"},
};

constexpr WordText kVoiceWordsNtoZ[] = {
    {620, "N"}, {621, "Near"}, {622, "Negative"},
    {623, "Net"}, {624, "New"}, {625, "Next"},
    {626, "Night"}, {627, "No"}, {628, "Normal"},
    {629, "North"}, {630, "Not"}, {631, "November"},
    {632, "Now"}, {633, "Number"}, {650, "O"},
    {651, "O'clock"}, {652, "October"}, {653, "Of"},
    {654, "Off"}, {655, "Ohms"}, {656, "On"},
    {657, "Open"}, {658, "Operation"}, {659, "Operator"},
    {660, "Or"}, {661, "Organization"}, {662, "Oscar"},
    {663, "Other"}, {664, "Out"}, {665, "Over"},
    {666, "Overcast"}, {680, "P"}, {681, "P.M."},
    {682, "Papa"}, {683, "Pass"}, {684, "Patch"},
    {703, "Percent"}, {686, "Phone"}, {687, "Pico"},
    {688, "Plan"}, {689, "Please"}, {690, "Plus"},
    {691, "Point"}, {692, "Police"}, {693, "Position"},
    {694, "Pound"}, {695, "Power"}, {696, "Practice"},
    {697, "Preset"}, {698, "Press"}, {704, "Pressure"},
    {699, "Program"}, {700, "Pull"}, {701, "Push"},
    {702, "Put"}, {720, "Q"}, {721, "Quebec"},
    {730, "R"}, {731, "Radio"}, {732, "Radios"},
    {733, "Rain"}, {734, "Raise"}, {735, "Range"},
    {736, "Rate"}, {737, "Ready"}, {738, "Receive"},
    {739, "Receiver"}, {740, "Red"}, {741, "Release"},
    {742, "Remark"}, {743, "Remote"}, {744, "Repair"},
    {745, "Repeat"}, {746, "Repeater"}, {747, "Reset"},
    {748, "Rig"}, {749, "Right"}, {750, "Road"},
    {751, "Roger"}, {752, "Romeo"}, {753, "Route"},
    {770, "S"}, {802, "S_(plural)"}, {771, "Safe"},
    {772, "Saturday"}, {773, "Scattered"}, {774, "Seconds"},
    {775, "Security"}, {776, "Select"}, {777, "Send"},
    {778, "Sent"}, {779, "September"}, {780, "Sequence"},
    {781, "Service"}, {782, "Set"}, {783, "Severe"},
    {784, "Short"}, {785, "Showers"}, {786, "Shut"},
    {787, "Side"}, {788, "Sierra"}, {789, "Sleet"},
    {790, "Slow"}, {791, "Snow"}, {792, "South"},
    {793, "Speed"}, {794, "Squawk"}, {795, "Star"},
    {796, "Start"}, {797, "Stop"}, {798, "Storm"},
    {799, "Sunday"}, {800, "Switch"}, {801, "System"},
    {820, "T"}, {821, "Tango"}, {822, "Target"},
    {823, "Telephone"}, {824, "Temperature"}, {825, "Terminal"},
    {826, "Test"}, {827, "Than"}, {828, "Thank-You"},
    {829, "That"}, {831, "The_(long_E)"}, {830, "The_(short_E)"},
    {832, "Then"}, {833, "This"}, {834, "This-is"},
    {835, "Thousand"}, {836, "Thunderstorm"}, {837, "Thursday"},
    {838, "Time"}, {839, "Timer"}, {840, "Today"},
    {852, "Today's"}, {841, "Tomorrow"}, {842, "Tonight"},
    {843, "Tornado"}, {844, "Tower"}, {845, "Traffic"},
    {846, "Transmit"}, {847, "Transmitter"}, {848, "Try"},
    {849, "Tuesday"}, {850, "Turn"}, {851, "Type"},
    {870, "U"}, {871, "Uniform"}, {872, "Unit"},
    {873, "Unlimited"}, {874, "Until"}, {875, "Up"},
    {876, "Use_(noun)"}, {877, "Use_(verb)"}, {880, "V"},
    {881, "Variable"}, {882, "Verify"}, {883, "Version"},
    {884, "Victor"}, {885, "Volts"}, {890, "W"},
    {891, "Wait"}, {892, "Warning"}, {893, "Watch"},
    {894, "Watts"}, {895, "Way"}, {896, "Weather"},
    {897, "Wednesday"}, {898, "Week"}, {899, "Weekday"},
    {900, "Welcome"}, {901, "Well-Done"}, {902, "West"},
    {903, "What"}, {904, "Whiskey"}, {905, "Will"},
    {906, "Wind"}, {910, "Wind-Chill"}, {907, "Windows"},
    {908, "With"}, {909, "Wrong"}, {920, "X"},
    {921, "X-Ray"}, {930, "Y"}, {931, "Yankee"},
    {932, "Year"}, {933, "Yellow"}, {934, "Yes"},
    {935, "Yesterday"}, {936, "You"}, {937, "Your"},
    {950, "Z"}, {951, "Zed"}, {952, "Zero"},
    {953, "Zone"}, {954, "Zulu"},
};

constexpr WordText kVoiceSpecialWords[] = {
    {960, "[Pause_1]"}, {961, "[Pause_2]"}, {962, "[Pause_3]"},
    {963, "[Pause_4]"}, {964, "[Chime_1]"}, {965, "[Chime_2]"},
    {966, "[Chime_3]"}, {967, "[Gunshot]"}, {968, "[Laser]"},
    {969, "[Phaser]"}, {970, "[Tic]"}, {971, "[Toc]"},
    {972, "[Laughter]"}, {980, "[G_Morning]"}, {981, "[G_Afternoon]"},
    {982, "[G_Evening]"}, {100, "[Time_Of_Day]"}, {101, "[Day_of_Week]"},
    {102, "[Day_of_Month]"}, {103, "[Salutations]"}, {104, "[Inside_Temperature]"},
    {105, "[Outside_Temperature]"}, {106, "[Wind_Speed]"}, {107, "[Hi/Lo_Temperature]"},
    {108, "[Rain_Rate]"}, {111, "[UF_#1_OFF]"}, {112, "[UF_#1_ON]"},
    {113, "[UF_#1_MON]"}, {114, "[UF_#2_OFF]"}, {115, "[UF_#2_ON]"},
    {116, "[UF_#2_MON]"}, {117, "[UF_#3_OFF]"}, {118, "[UF_#3_ON]"},
    {119, "[UF_#3_MON]"}, {120, "[UF_#4_OFF]"}, {121, "[UF_#4_ON]"},
    {122, "[UF_#4_MON]"}, {123, "[UF_#5_OFF]"}, {124, "[UF_#5_ON]"},
    {125, "[UF_#5_MON]"}, {126, "[UF_#6_OFF]"}, {127, "[UF_#6_ON]"},
    {128, "[UF_#6_MON]"}, {129, "[UF_#7_OFF]"}, {130, "[UF_#7_ON]"},
    {131, "[UF_#7_MON]"}, {132, "[UF_#8_OFF]"}, {133, "[UF_#8_ON]"},
    {134, "[UF_#8_MON]"}, {135, "[500_Ms_Delay]"}, {140, "[DVR_Track_#1]"},
    {141, "[DVR_Track_#2]"}, {142, "[DVR_Track_#3]"}, {143, "[DVR_Track_#4]"},
    {144, "[DVR_Track_#5]"}, {145, "[DVR_Track_#6]"}, {146, "[DVR_Track_#7]"},
    {147, "[DVR_Track_#8]"}, {148, "[DVR_Track_#9]"}, {149, "[DVR_Track_#10]"},
    {150, "[DVR_Track_#11]"}, {151, "[DVR_Track_#12]"}, {152, "[DVR_Track_#13]"},
    {153, "[DVR_Track_#14]"}, {154, "[DVR_Track_#15]"}, {155, "[DVR_Track_#16]"},
    {160, "[Courtesy_Tone_#0]"}, {161, "[Courtesy_Tone_#1]"}, {162, "[Courtesy_Tone_#2]"},
    {163, "[Courtesy_Tone_#3]"}, {164, "[Courtesy_Tone_#4]"}, {165, "[Courtesy_Tone_#5]"},
    {166, "[Courtesy_Tone_#6]"}, {167, "[Courtesy_Tone_#7]"}, {168, "[Courtesy_Tone_#8]"},
    {169, "[Courtesy_Tone_#9]"}, {170, "[CW_Buffer_1]"}, {171, "[CW_Buffer_2]"},
    {172, "[Macro_2]"}, {173, "[Macro_3]"}, {174, "[Macro_4]"},
    {175, "[Macro_5]"}, {176, "[Macro_6]"}, {177, "[Macro_7]"},
    {178, "[Macro_8]"}, {179, "[Macro_9]"}, {180, "[DTMF_0]"},
    {181, "[DTMF_1]"}, {182, "[DTMF_2]"}, {183, "[DTMF_3]"},
    {184, "[DTMF_4]"}, {185, "[DTMF_5]"}, {186, "[DTMF_6]"},
    {187, "[DTMF_7]"}, {188, "[DTMF_8]"}, {189, "[DTMF_9]"},
    {190, "[DTMF_*]"}, {191, "[DTMF_#]"}, {192, "[DTMF_A]"},
    {193, "[DTMF_B]"}, {194, "[DTMF_C]"}, {195, "[DTMF_D]"},
};

constexpr WordText kCallSignCharacters[] = {
    {0, "0"}, {1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"},
    {6, "6"}, {7, "7"}, {8, "8"}, {9, "9"}, {210, "A"}, {250, "B"},
    {270, "C"}, {310, "D"}, {340, "E"}, {370, "F"}, {410, "G"}, {440, "H"},
    {470, "I"}, {500, "J"}, {530, "K"}, {550, "L"}, {580, "M"}, {620, "N"},
    {650, "O"}, {680, "P"}, {720, "Q"}, {730, "R"}, {770, "S"}, {820, "T"},
    {870, "U"}, {880, "V"}, {890, "W"}, {920, "X"}, {930, "Y"}, {950, "Z"},
};

constexpr WordText kSpecialWordList[] = {
    {960, "[Pause_1]"}, {961, "[Pause_2]"}, {962, "[Pause_3]"},
    {963, "[Pause_4]"}, {964, "[Chime_1]"}, {965, "[Chime_2]"},
    {966, "[Chime_3]"}, {967, "[Gunshot]"}, {968, "[Laser]"},
    {969, "[Phaser]"}, {970, "[Tic]"}, {971, "[Toc]"},
    {972, "[Laughter]"}, {980, "[G_Morning]"}, {981, "[G_Afternoon]"},
    {982, "[G_Evening]"}, {100, "[Time_Of_Day]"}, {101, "[Day_of_Week]"},
    {102, "[Day_of_Month]"}, {103, "[Salutations]"}, {104, "[Inside_Temperature]"},
    {105, "[Outside_Temperature]"}, {106, "[Wind_Speed]"}, {107, "[Hi/Lo_Temperature]"},
    {108, "[Rain_Rate]"}, {111, "[UF_#1_OFF]"}, {112, "[UF_#1_ON]"},
    {113, "[UF_#1_MON]"}, {114, "[UF_#2_OFF]"}, {115, "[UF_#2_ON]"},
    {116, "[UF_#2_MON]"}, {117, "[UF_#3_OFF]"}, {118, "[UF_#3_ON]"},
    {119, "[UF_#3_MON]"}, {120, "[UF_#4_OFF]"}, {121, "[UF_#4_ON]"},
    {122, "[UF_#4_MON]"}, {123, "[UF_#5_OFF]"}, {124, "[UF_#5_ON]"},
    {125, "[UF_#5_MON]"}, {126, "[UF_#6_OFF]"}, {127, "[UF_#6_ON]"},
    {128, "[UF_#6_MON]"}, {129, "[UF_#7_OFF]"}, {130, "[UF_#7_ON]"},
    {131, "[UF_#7_MON]"}, {132, "[UF_#8_OFF]"}, {133, "[UF_#8_ON]"},
    {134, "[UF_#8_MON]"}, {135, "[500_Ms_Delay]"}, {140, "[DVR_Track_1]"},
    {141, "[DVR_Track_2]"}, {142, "[DVR_Track_3]"}, {143, "[DVR_Track_4]"},
    {144, "[DVR_Track_5]"}, {145, "[DVR_Track_6]"}, {146, "[DVR_Track_7]"},
    {147, "[DVR_Track_8]"}, {148, "[DVR_Track_9]"}, {149, "[DVR_Track_10]"},
    {150, "[DVR_Track_11]"}, {151, "[DVR_Track_12]"}, {152, "[DVR_Track_13]"},
    {153, "[DVR_Track_14]"}, {154, "[DVR_Track_15]"}, {155, "[DVR_Track_16]"},
    {160, "[Courtesy_Tone_0]"}, {161, "[Courtesy_Tone_1]"}, {162, "[Courtesy_Tone_2]"},
    {163, "[Courtesy_Tone_3]"}, {164, "[Courtesy_Tone_4]"}, {165, "[Courtesy_Tone_5]"},
    {166, "[Courtesy_Tone_6]"}, {167, "[Courtesy_Tone_7]"}, {168, "[Courtesy_Tone_8]"},
    {169, "[Courtesy_Tone_9]"}, {170, "[CW_ID_1]"}, {171, "[CW_ID_2]"},
    {172, "[Macro_2]"}, {173, "[Macro_3]"}, {174, "[Macro_4]"},
    {175, "[Macro_5]"}, {176, "[Macro_6]"}, {177, "[Macro_7]"},
    {178, "[Macro_8]"}, {179, "[Macro_9]"}, {180, "[DTMF_0]"},
    {181, "[DTMF_1]"}, {182, "[DTMF_2]"}, {183, "[DTMF_3]"},
    {184, "[DTMF_4]"}, {185, "[DTMF_5]"}, {186, "[DTMF_6]"},
    {187, "[DTMF_7]"}, {188, "[DTMF_8]"}, {189, "[DTMF_9]"},
    {190, "[DTMF_*]"}, {191, "[DTMF_#]"}, {192, "[DTMF_A]"},
    {193, "[DTMF_B]"}, {194, "[DTMF_C]"}, {195, "[DTMF_D]"},
};

static_assert(std::size(kVoiceNumbers) == 28);
static_assert(std::size(kVoiceWordsAtoM) == 236);
static_assert(std::size(kVoiceWordsNtoZ) == 197);
static_assert(std::size(kVoiceSpecialWords) == 102);
static_assert(std::size(kCallSignCharacters) == 36);
static_assert(std::size(kSpecialWordList) == 102);

template <std::size_t N>
void appendRows(std::vector<PickListRow>& list, const WordText (&rows)[N])
{
    for (const WordText& w : rows)
        list.push_back(PickListRow{QString::fromLatin1(w.text), w.word});
}

} // namespace

void LoadVoiceNumbers() { appendRows(detail::tableState().cboVoice, kVoiceNumbers); }
void LoadVoiceWordsAtoM() { appendRows(detail::tableState().cboVoice, kVoiceWordsAtoM); }
void LoadVoiceWordsNtoZ() { appendRows(detail::tableState().cboVoice, kVoiceWordsNtoZ); }
void LoadVoiceSpecialWords() { appendRows(detail::tableState().cboVoice, kVoiceSpecialWords); }
void LoadCallSignCharacters() { appendRows(detail::tableState().cbocall, kCallSignCharacters); }
void LoadSpecialWordList() { appendRows(detail::tableState().cboSpecial, kSpecialWordList); }

const std::vector<PickListRow>& cboVoiceRows() { return detail::tableState().cboVoice; }
const std::vector<PickListRow>& cbocallRows() { return detail::tableState().cbocall; }
const std::vector<PickListRow>& cboSpecialRows() { return detail::tableState().cboSpecial; }

} // namespace quillon

#include "merrowedit/data/StateFiles.h"

#include "merrowedit/data/TextFile.h"
#include "platform/Services.h"

#include <array>
#include <utility>

namespace merrow {
namespace {

struct StateEntry {
    const char* text;
    const char* file;
};

constexpr std::array<StateEntry, kStateCount> kStates = {{
    {"Alabama", "Al_102.st"},        {"Alaska", "Ak_101.st"},          {"Arizona", "Az_104.st"},
    {"Arkansas", "Ar_103.st"},       {"California", "Ca_105.st"},      {"Colorado", "Co_106.st"},
    {"Connecticut", "Ct_107.st"},    {"Delaware", "De_108.st"},        {"Florida", "Fl_109.st"},
    {"Georgia", "Ga_110.st"},        {"Hawaii", "Hi_111.st"},          {"Idaho", "Id_113.st"},
    {"Illinois", "Il_114.st"},       {"Indiana", "In_115.st"},         {"Iowa", "Ia_112.st"},
    {"Kansas", "Ks_116.st"},         {"Kentucky", "Ky_117.st"},        {"Louisiana", "La_118.st"},
    {"Maine", "Me_121.st"},          {"Maryland", "Md_120.st"},        {"Massachusetts", "Ma_119.st"},
    {"Michigan", "Mi_122.st"},       {"Minnesota", "Mn_123.st"},       {"Mississippi", "Ms_125.st"},
    {"Missouri", "Mo_124.st"},       {"Montana", "Mt_126.st"},         {"Nebraska", "Ne_129.st"},
    {"Nevada", "Nv_133.st"},         {"New Hampshire", "Nh_130.st"},   {"New Jersey", "Nj_131.st"},
    {"New Mexico", "Nm_132.st"},     {"New York", "Ny_134.st"},        {"North Carolina", "Nc_127.st"},
    {"North Dakota", "Nd_128.st"},   {"Ohio", "Oh_135.st"},            {"Oklahoma", "Ok_136.st"},
    {"Oregon", "Or_137.st"},         {"Pennsylvania", "Pa_138.st"},    {"Rhode Island", "Ri_139.st"},
    {"South Carolina", "Sc_140.st"}, {"South Dakota", "Sd_141.st"},    {"Tennessee", "Tn_142.st"},
    {"Texas", "Tx_143.st"},          {"Utah", "Ut_144.st"},            {"Vermont", "Vt_146.st"},
    {"Virginia", "Va_145.st"},       {"Washington", "Wa_147.st"},      {"West Virginia", "Wv_149.st"},
    {"Wisconsin", "Wi_148.st"},      {"Wyoming", "Wy_150.st"},         {"Guam", "Gu_151.st"},
    {"N Mariana Islands", "Mr_152.st"}, {"Puerto Rico", "Pr_153.st"},  {"US Virgin Islands", "Vi_154.st"},
}};

constexpr std::array<const char*, kFrequencyCount> kFrequencies = {
    "All", "162.400", "162.425", "162.450", "162.475", "162.500", "162.525", "162.550"};

// FIPS state codes with the names the county entries carry.
constexpr std::pair<const char*, const char*> kStateNames[] = {
    {"01", "Alabama"},        {"02", "Alaska"},          {"04", "Arizona"},        {"05", "Arkansas"},
    {"06", "California"},     {"08", "Colorado"},        {"09", "Connecticut"},    {"10", "Delaware"},
    {"11", "District Of Columbia"}, {"12", "Florida"},   {"13", "Georgia"},        {"15", "Hawaii"},
    {"16", "Idaho"},          {"17", "Illinois"},        {"18", "Indiana"},        {"19", "Iowa"},
    {"20", "Kansas"},         {"21", "Kentucky"},        {"22", "Louisiana"},      {"23", "Maine"},
    {"24", "Maryland"},       {"25", "Massachusetts"},   {"26", "Michigan"},       {"27", "Minnesota"},
    {"28", "Mississippi"},    {"29", "Missouri"},        {"30", "Montana"},        {"31", "Nebraska"},
    {"32", "Nevada"},         {"33", "New Hampshire"},   {"34", "New Jersey"},     {"35", "New Mexico"},
    {"36", "New York"},       {"37", "North Carolina"},  {"38", "North Dakota"},   {"39", "Ohio"},
    {"40", "Oklahoma"},       {"41", "Oregon"},          {"42", "Pennsylvania"},   {"44", "Rhode Island"},
    {"45", "South Carolina"}, {"46", "South Dakota"},    {"47", "Tennessee"},      {"48", "Texas"},
    {"49", "Utah"},           {"50", "Vermont"},         {"51", "Virginia"},       {"53", "Washington"},
    {"54", "West Virginia"},  {"55", "Wisconsin"},       {"56", "Wyoming"},        {"66", "Guam"},
    {"69", "Mariana Islands"}, {"72", "Puerto Rico"},    {"78", "US Virgin Islands"},
};

constexpr int kLineWidth = 62;
// The lines hold 62 columns; far longer ones are no state file.
constexpr int kStateLineMaxChars = 1024;
constexpr int kKeyStart = 30;     // column 31, counted from 0

QString& statesFolderOverride()
{
    static QString folder;
    return folder;
}

bool validState(int index)
{
    return index >= 0 && index < kStateCount;
}

QString padded(const QString& line)
{
    return line.size() < kLineWidth ? line.leftJustified(kLineWidth, u' ') : line;
}

} // namespace

QString StateListText(int index)
{
    return validState(index) ? QString::fromLatin1(kStates[static_cast<std::size_t>(index)].text) : QString();
}

QString GetStateFileName(int index)
{
    return validState(index) ? QString::fromLatin1(kStates[static_cast<std::size_t>(index)].file) : QString();
}

QString FrequencyListText(int index)
{
    return index >= 0 && index < kFrequencyCount ? QString::fromLatin1(kFrequencies[static_cast<std::size_t>(index)])
                                                 : QString();
}

QString GetStateName(const QString& text)
{
    const QString code = text.mid(1, 2);
    for (const auto& [fips, name] : kStateNames)
        if (code == QLatin1String(fips))
            return QString::fromLatin1(name);
    return {};
}

QString StatesFolder()
{
    const QString& folder = statesFolderOverride();
    return folder.isEmpty() ? platform::programFolder() + QStringLiteral("/States") : folder;
}

void SetStatesFolder(const QString& folder)
{
    statesFolderOverride() = folder;
}

bool AddUniqueCounty(const QString& text)
{
    if (text.isEmpty() || UniqueCountyList.contains(text))
        return true;
    UniqueCountyList.append(text);
    return false;
}

bool ReadStateFile(int index, QStringList& lines)
{
    lines.clear();
    if (!validState(index))
        return false;
    TextFile file = ReadTextFile(StatesFolder() + u'/' + GetStateFileName(index),
                                 TextFileBound(kStateFileMaxLines, kStateLineMaxChars));
    if (file.status != TextFileStatus::Read || file.lines.size() > kStateFileMaxLines)
        return false;
    for (const QString& line : file.lines)
        if (line.size() > kStateLineMaxChars)
            return false;
    lines = std::move(file.lines);
    return true;
}

QString TransmitterKey(const QString& line)
{
    return padded(line).mid(kKeyStart, kLineWidth - kKeyStart);
}

QStringList TransmittersOf(const QStringList& lines, int frequencyFilter)
{
    const QString frequency = frequencyFilter >= 1 ? FrequencyListText(frequencyFilter) : QString();
    UniqueCountyList.clear();
    QStringList keys;
    for (const QString& raw : lines) {
        if (raw.isEmpty())
            continue;
        const QString line = padded(raw);
        if (line.mid(31, 19) == kNoCoverage)
            continue;
        if (!frequency.isEmpty() && line.mid(55, 7) != frequency)
            continue;
        const QString key = TransmitterKey(line);
        if (!AddUniqueCounty(key))
            keys.append(key);
    }
    return keys;
}

CountiesOfTransmitter CountiesFor(const QString& transmitterKey)
{
    CountiesOfTransmitter result;
    UniqueCountyList.clear();
    const QString wanted = transmitterKey.trimmed();
    for (int state = 0; state < kStateCount; ++state) {
        QStringList lines;
        if (!ReadStateFile(state, lines)) {
            result.readFailed = true;
            return result;
        }
        for (const QString& line : lines) {
            if (TransmitterKey(line).trimmed() != wanted)
                continue;
            const QString body = padded(line).left(kEntryBodyWidth);
            if (AddUniqueCounty(body))
                continue;
            if (result.items.size() >= kCountyListLimit) {
                result.cutAtLimit = true;
                return result;
            }
            result.items.append(body + GetStateName(body));
        }
    }
    return result;
}

} // namespace merrow

#include "workflows/ChooseFontWorkflow.h"

#include "workflows/FieldLimits.h"

#include "app/Preferences.h"
#include "platform/CodePage.h"
#include "platform/Path.h"

#include <algorithm>
#include <limits>

static std::u16string NumberText(long long value)
{
    std::string text = std::to_string(value);
    return std::u16string(text.begin(), text.end());
}

ChooseFontWorkflow::ChooseFontWorkflow(const LogicalFont& current, int pixelsPerInch)
    : m_current(current)
    , m_chosen(current)
    , m_pixelsPerInch(pixelsPerInch > 0 ? pixelsPerInch : 96)
{
    for (int points = 6; points <= 12; ++points)
        m_sizes.push_back(NumberText(points));
}

void ChooseFontWorkflow::SetFaceNames(std::vector<std::u16string> families)
{
    m_faceNames = std::move(families);
    // Sorted as the list sorts, without regard to case.
    std::stable_sort(m_faceNames.begin(), m_faceNames.end(), [](const std::u16string& a, const std::u16string& b) {
        return CompareIgnoringCase(Utf16ToUtf8(a), Utf16ToUtf8(b)) < 0;
    });
}

ChooseFontWorkflow::Controls ChooseFontWorkflow::Opening() const
{
    Controls controls;
    auto known = [this](const std::u16string& face) { return std::find(m_faceNames.begin(), m_faceNames.end(), face) != m_faceNames.end(); };
    if (known(m_current.faceName))
        controls.faceName = m_current.faceName;
    else if (known(m_drawnFace))
        controls.faceName = m_drawnFace;
    else if (!m_faceNames.empty())
        controls.faceName = m_faceNames.front();
    controls.size = NumberText(PointsFromHeight(m_current.height, m_pixelsPerInch));
    controls.bold = m_current.weight == kBold;
    controls.italic = m_current.italic != 0;
    controls.underline = m_current.underline != 0;
    controls.clearType = m_current.quality == kClearTypeQuality;
    return controls;
}

// The number a text starts with, as the platform's text-to-integer reading
// takes it: blanks, a sign, digits; 0 when there are none. Kept within a
// range in which every size makes a valid height.
static std::int32_t LeadingNumber(std::u16string_view text)
{
    size_t at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        negative = text[at++] == u'-';
    constexpr std::int64_t kLargest = 1000000;
    std::int64_t value = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at)
        value = std::min<std::int64_t>(value * 10 + (text[at] - u'0'), kLargest);
    return static_cast<std::int32_t>(negative ? -value : value);
}

// floor(numerator / denominator + 1/2) for a positive denominator.
static std::int32_t RoundHalfUp(std::int64_t numerator, std::int64_t denominator)
{
    std::int64_t twice = 2 * numerator + denominator;
    std::int64_t divisor = 2 * denominator;
    std::int64_t quotient = twice / divisor;
    if (twice % divisor != 0 && twice < 0)
        --quotient;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(quotient, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t ChooseFontWorkflow::PointsFromHeight(std::int32_t height, int pixelsPerInch)
{
    return RoundHalfUp(-static_cast<std::int64_t>(height) * 72, pixelsPerInch);
}

std::int32_t ChooseFontWorkflow::HeightFromPoints(std::int32_t points, int pixelsPerInch)
{
    return -RoundHalfUp(static_cast<std::int64_t>(points) * pixelsPerInch, 72);
}

DialogOutcome ChooseFontWorkflow::Ok(const Controls& controls)
{
    if (!FitsFieldLimit(controls.faceName, kFaceNameLimit))
        return DialogOutcome::Stay(kFaceField);
    m_chosen = m_current;
    m_chosen.faceName = controls.faceName;
    m_chosen.height = HeightFromPoints(LeadingNumber(controls.size), m_pixelsPerInch);
    m_chosen.weight = controls.bold ? kBold : kNormal;
    m_chosen.italic = controls.italic ? 1 : 0;
    m_chosen.underline = controls.underline ? 1 : 0;
    m_chosen.quality = controls.clearType ? kClearTypeQuality : 0;
    return DialogOutcome::Close(DialogResults::Ok);
}

bool ChooseFontWorkflow::WriteChoice() const
{
    return WriteMainViewFont(m_chosen);
}

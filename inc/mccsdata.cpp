#include "mccsdata.h"

#include <QLatin1String>

namespace {

// Groups without a name nest the parser; a capability string has a handful of levels.
// Deeper nesting is refused so that hostile text cannot exhaust the stack.
constexpr int kMaxNesting = 64;

const QChar kSpace = QLatin1Char(' ');
const QChar kOpen = QLatin1Char('(');
const QChar kClose = QLatin1Char(')');

// The text between the parentheses of a group, empty for a group of two characters
// or fewer.
QStringView groupInside(QStringView text, int groupStart, int groupEnd)
{
    if (groupEnd - groupStart <= 2)
        return QStringView();
    return text.mid(groupStart + 1, groupEnd - groupStart - 2);
}

} // namespace

MccsData::MccsData() = default;

MccsData::~MccsData()
{
    Clean();
}

void MccsData::Clean()
{
    m_raw.clear();
    qDeleteAll(m_vcp);
    m_vcp.clear();
    qDeleteAll(m_properties);
    m_properties.clear();
}

bool MccsData::Update(const char *text)
{
    Clean();
    m_raw = QString::fromLatin1(text);
    if (m_raw.isEmpty() || !m_raw.startsWith(kOpen))
        return false;
    // The outer "(" goes; its ")" stays and reads as a last property named ")".
    m_raw.remove(0, 1);
    return parseMccs(m_raw);
}

bool MccsData::searchProperty(QStringView text, int &nameStart, int &nameEnd, int &groupStart,
                              int &groupEnd)
{
    const int n = static_cast<int>(text.size());
    int pos = 0;
    while (pos < n && text[pos] == kSpace)
        ++pos;
    nameStart = nameEnd = groupStart = groupEnd = pos;
    if (pos == n)
        return true; // empty or all spaces

    while (pos < n && text[pos] != kSpace && text[pos] != kOpen)
        ++pos;
    nameEnd = pos;
    while (pos < n && text[pos] == kSpace)
        ++pos;
    groupStart = groupEnd = pos;
    if (pos == n || text[pos] != kOpen)
        return true; // a name without a group

    int depth = 0;
    do {
        if (text[pos] == kOpen)
            ++depth;
        else if (text[pos] == kClose)
            --depth;
        ++pos;
    } while (depth != 0 && pos < n);
    groupEnd = pos;
    return depth == 0;
}

bool MccsData::parseMccs(QStringView text)
{
    return parse(text, false, 0);
}

bool MccsData::parseVcp(QStringView text)
{
    return parse(text, true, 0);
}

bool MccsData::parse(QStringView text, bool vcpCodes, int depth)
{
    if (depth > kMaxNesting)
        return false;
    bool result = true;
    for (int pos = 0; pos < text.size();) {
        const QStringView rest = text.mid(pos);
        int nameStart = 0;
        int nameEnd = 0;
        int groupStart = 0;
        int groupEnd = 0;
        if (!searchProperty(rest, nameStart, nameEnd, groupStart, groupEnd))
            return false;
        const QStringView name = rest.mid(nameStart, nameEnd - nameStart);
        const QStringView inside = groupInside(rest, groupStart, groupEnd);
        if (!name.isEmpty()) {
            if (vcpCodes) {
                // A token that is not hexadecimal reads as code 0.
                m_vcp.append(new VcpFeature{name.toString().toUInt(nullptr, 16), 0, 0});
            } else {
                m_properties.append(new MccsProperty{name.toString(), inside.toString()});
                // The codes are read whatever their own scan gives; the property stays.
                if (name == QLatin1String("vcp"))
                    parse(inside, true, depth + 1);
            }
        } else if (groupEnd - groupStart >= 3) {
            result = parse(inside, vcpCodes, depth + 1);
        }
        pos += groupEnd;
    }
    return result;
}

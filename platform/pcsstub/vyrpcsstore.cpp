#include "vyrpcsstore.h"

#include "vyrpcs.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

const char kStoreRoot[] = "VYRPCSROOT/SYSTEM/";

const struct
{
    int type;
    const char *name;
} kTypeNames[] = {
    {VYRPCS_TYPE_U32, "u32"}, {VYRPCS_TYPE_U32_ARRAY, "u32array"}, {VYRPCS_TYPE_STRING, "str"},
    {VYRPCS_TYPE_RAW, "raw"}, {VYRPCS_TYPE_BOOL, "bool"},
};

int typeFromName(const std::string &name)
{
    for (const auto &entry : kTypeNames) {
        if (name == entry.name)
            return entry.type;
    }
    return VYRPCS_TYPE_NONE;
}

const char *typeName(int type)
{
    for (const auto &entry : kTypeNames) {
        if (type == entry.type)
            return entry.name;
    }
    return "none";
}

bool parseWord(const std::string &text, uint32_t &word)
{
    if (text.empty() || text[0] == '-' || text[0] == '+')
        return false;
    errno = 0;
    char *end = nullptr;
    const unsigned long long number = std::strtoull(text.c_str(), &end, 0);
    if (errno != 0 || end == nullptr || *end != '\0' || number > UINT32_MAX)
        return false;
    word = static_cast<uint32_t>(number);
    return true;
}

bool isHexDigit(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Hex digits in pairs, blanks allowed anywhere; anything else, or an odd digit count,
// makes the text malformed.
bool parseHexBytes(const std::string &text, std::string &bytes)
{
    QByteArray digits;
    for (char c : text) {
        if (c == ' ')
            continue;
        if (!isHexDigit(c))
            return false;
        digits.append(c);
    }
    if (digits.size() % 2 != 0)
        return false;
    bytes += QByteArray::fromHex(digits).toStdString();
    return true;
}

std::string toHex(const std::string &bytes)
{
    return QByteArray::fromStdString(bytes).toHex().toStdString();
}

bool unescape(const std::string &text, std::string &bytes)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes.push_back(text[i]);
            continue;
        }
        if (++i >= text.size())
            return false;
        switch (text[i]) {
        case '\\':
            bytes.push_back('\\');
            break;
        case '0':
            bytes.push_back('\0');
            break;
        case 't':
            bytes.push_back('\t');
            break;
        case 'n':
            bytes.push_back('\n');
            break;
        case 'x': {
            if (i + 2 >= text.size() || !isHexDigit(text[i + 1]) || !isHexDigit(text[i + 2]))
                return false;
            bytes += QByteArray::fromHex(QByteArray(text.data() + i + 1, 2)).toStdString();
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

std::string escape(const std::string &bytes)
{
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            text += "\\\\";
        } else if (c == '\0') {
            text += "\\0";
        } else if (c == '\t') {
            text += "\\t";
        } else if (c == '\n') {
            text += "\\n";
        } else if (byte < 0x20 || byte >= 0x7f) {
            text += "\\x" + toHex(std::string(1, c));
        } else {
            text.push_back(c);
        }
    }
    return text;
}

std::vector<std::string> splitTabs(const std::string &line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        if (tab == std::string::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

VyrPcsStore::Value wordValue(int type, std::vector<uint32_t> words)
{
    VyrPcsStore::Value value;
    value.type = type;
    value.words = std::move(words);
    return value;
}

VyrPcsStore::Value byteValue(int type, std::string bytes)
{
    VyrPcsStore::Value value;
    value.type = type;
    value.bytes = std::move(bytes);
    return value;
}

} // namespace

std::string VyrPcsStore::canonicalPath(const char *location, const char *name)
{
    if (location == nullptr || name == nullptr || *location == '\0' || *name == '\0')
        return std::string();
    std::string joined = std::string(location) + "/" + name;
    std::string path;
    for (char c : joined) {
        if (c == '\\')
            c = '/';
        if (c == '/' && (path.empty() || path.back() == '/'))
            continue;
        path.push_back(c);
    }
    if (!path.empty() && path.back() == '/')
        path.pop_back();
    const size_t root = path.rfind(kStoreRoot);
    if (root != std::string::npos)
        path.erase(0, root + sizeof(kStoreRoot) - 1);
    return path;
}

void VyrPcsStore::loadDefaults()
{
    // A few values as a driver of the simulated adapters would keep them.
    m_values.clear();
    m_values["LDC/ReleaseVersion"] =
        byteValue(VYRPCS_TYPE_STRING, std::string("20.45.1 (simulated store)"));
    m_values["LDC/DriverBuildNumber"] = wordValue(VYRPCS_TYPE_U32, {2045001u});
    m_values["LDC/SupportedLinkRates"] =
        wordValue(VYRPCS_TYPE_U32_ARRAY, {162000u, 270000u, 540000u});
    m_values["LDC/PowerSavingEnabled"] = wordValue(VYRPCS_TYPE_BOOL, {1u});
    m_values["LDC/BiosSignature"] =
        byteValue(VYRPCS_TYPE_RAW, std::string("\x55\xaa\x00\x7fSIMULATED", 13));
    m_values["MCIL/ZelkLogEnable"] = wordValue(VYRPCS_TYPE_U32, {0u});
    m_values["MCIL/ZelkLogBufferSize"] = wordValue(VYRPCS_TYPE_U32, {65536u});
    // The log masks of the simulated driver's settings file (platform/noxstub/vyrpcsdb.sample).
    m_values["MCIL/ZelkLogMask_DISPLAY"] = wordValue(VYRPCS_TYPE_U32, {1u});
    m_values["MCIL/ZelkLogMask_EDID"] = wordValue(VYRPCS_TYPE_U32, {3u});
    m_values["MCIL/ZelkLogMask_DP"] = wordValue(VYRPCS_TYPE_U32, {1u});
}

bool VyrPcsStore::load(const std::string &fileName)
{
    m_values.clear();
    std::ifstream file(fileName, std::ios::binary);
    if (!file.is_open()) {
        std::FILE *probe = std::fopen(fileName.c_str(), "rb");
        if (probe != nullptr) {
            std::fclose(probe);
            return false;
        }
        return errno == ENOENT;
    }
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string path;
        Value value;
        if (parseLine(line, path, value))
            m_values[path] = value;
    }
    return !file.bad();
}

bool VyrPcsStore::save(const std::string &fileName) const
{
    // The file is replaced only once the whole store is written, so a failed write
    // leaves the old store in place.
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(fileName)));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text("# configuration store (path, type, value)\n");
    for (const auto &entry : m_values)
        text += QByteArray::fromStdString(formatLine(entry.first, entry.second)) + '\n';
    return file.write(text) == text.size() && file.commit();
}

const VyrPcsStore::Value *VyrPcsStore::find(const std::string &path) const
{
    const auto it = m_values.find(path);
    return it == m_values.end() ? nullptr : &it->second;
}

void VyrPcsStore::set(const std::string &path, const Value &value)
{
    m_values[path] = value;
}

bool VyrPcsStore::remove(const std::string &path)
{
    return m_values.erase(path) > 0;
}

bool VyrPcsStore::parseLine(const std::string &line, std::string &path, Value &value)
{
    if (line.empty() || line[0] == '#')
        return false;
    const std::vector<std::string> fields = splitTabs(line);
    if (fields.size() != 3)
        return false;
    // A path is a folder and a name: at least one separator, nothing empty.
    path = fields[0];
    if (path.empty() || path.find('/') == std::string::npos || path.front() == '/'
        || path.back() == '/')
        return false;
    value = Value();
    value.type = typeFromName(fields[1]);
    const std::string &text = fields[2];
    switch (value.type) {
    case VYRPCS_TYPE_U32:
    case VYRPCS_TYPE_BOOL: {
        uint32_t word = 0;
        if (!parseWord(text, word))
            return false;
        value.words.push_back(word);
        return true;
    }
    case VYRPCS_TYPE_U32_ARRAY: {
        std::istringstream words(text);
        std::string item;
        while (words >> item) {
            uint32_t word = 0;
            if (!parseWord(item, word))
                return false;
            value.words.push_back(word);
        }
        return true;
    }
    case VYRPCS_TYPE_STRING:
        return unescape(text, value.bytes);
    case VYRPCS_TYPE_RAW:
        return parseHexBytes(text, value.bytes);
    default:
        return false;
    }
}

std::string VyrPcsStore::formatLine(const std::string &path, const Value &value)
{
    std::string text;
    switch (value.type) {
    case VYRPCS_TYPE_U32:
    case VYRPCS_TYPE_BOOL:
    case VYRPCS_TYPE_U32_ARRAY:
        for (size_t i = 0; i < value.words.size(); ++i) {
            if (i > 0)
                text += ' ';
            text += std::to_string(value.words[i]);
        }
        break;
    case VYRPCS_TYPE_STRING:
        text = escape(value.bytes);
        break;
    case VYRPCS_TYPE_RAW:
        text = toHex(value.bytes);
        break;
    default:
        break;
    }
    return path + '\t' + typeName(value.type) + '\t' + text;
}

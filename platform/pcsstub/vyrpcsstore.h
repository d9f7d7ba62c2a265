#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The values of the stand-in configuration store, keyed by a canonical path
// ("LDC/ReleaseVersion"). A (location, name) address becomes that path by joining the
// two with "/", taking backslashes in the name as separators and dropping everything
// up to the store root "VYRPCSROOT/SYSTEM/", so ("MCIL", "VYRPCSROOT/SYSTEM/MCIL/a/b")
// and ("MCIL/", "a\b") name the same value.
//
// On disk a store is a text file, one value per line:
//   <path> TAB <type> TAB <value>
// with the types u32 and bool (a number, decimal or 0x hex), u32array (numbers
// separated by blanks), str (text; \\, \0, \t, \n and \xHH escapes) and raw (hex
// bytes, blanks allowed). Empty lines, lines starting with '#' and malformed lines are
// skipped.
class VyrPcsStore
{
public:
    struct Value
    {
        int type = 0;
        std::vector<uint32_t> words; // u32, bool and u32array
        std::string bytes;           // str and raw
    };

    static std::string canonicalPath(const char *location, const char *name);

    void loadDefaults();
    // False when the file exists but cannot be read; a missing file is an empty store.
    bool load(const std::string &fileName);
    bool save(const std::string &fileName) const;

    const Value *find(const std::string &path) const;
    void set(const std::string &path, const Value &value);
    bool remove(const std::string &path);

    static bool parseLine(const std::string &line, std::string &path, Value &value);
    static std::string formatLine(const std::string &path, const Value &value);

private:
    std::map<std::string, Value> m_values;
};

#include "files/JsonDuplicateKeys.h"

#include <set>
#include <vector>

namespace tarrowin {
namespace {

// Appends the code point in UTF-8; a lone surrogate is written as its own
// three bytes, so that two different ones stay different.
void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

class Scanner {
public:
    explicit Scanner(std::string_view json) : json_(json) {}

    std::optional<DuplicateKey> run()
    {
        value({});
        return found_;
    }

private:
    bool more() const { return at_ < json_.size() && !found_; }

    void skipBlanks()
    {
        while (at_ < json_.size() && (json_[at_] == ' ' || json_[at_] == '\t' || json_[at_] == '\n' || json_[at_] == '\r'))
            ++at_;
    }

    // Four hex digits after "\u", or nothing when they are not there.
    std::optional<char32_t> hex4()
    {
        if (json_.size() - at_ < 4)
            return std::nullopt;
        char32_t code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = json_[at_ + i];
            const int digit = c >= '0' && c <= '9' ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                return std::nullopt;
            code = code * 16 + static_cast<char32_t>(digit);
        }
        at_ += 4;
        return code;
    }

    // The text of a string starting at its opening quote, escapes decoded.
    std::string text()
    {
        std::string decoded;
        ++at_;  // the opening quote
        while (at_ < json_.size() && json_[at_] != '"') {
            const char c = json_[at_++];
            if (c != '\\') {
                decoded += c;
                continue;
            }
            if (at_ >= json_.size())
                break;
            const char escaped = json_[at_++];
            switch (escaped) {
            case 'b': decoded += '\b'; break;
            case 'f': decoded += '\f'; break;
            case 'n': decoded += '\n'; break;
            case 'r': decoded += '\r'; break;
            case 't': decoded += '\t'; break;
            case 'u': {
                std::optional<char32_t> code = hex4();
                if (!code)
                    break;
                // A high surrogate followed by an escaped low one is one character.
                if (*code >= 0xD800 && *code < 0xDC00 && json_.substr(at_, 2) == "\\u") {
                    const std::size_t before = at_;
                    at_ += 2;
                    const std::optional<char32_t> low = hex4();
                    if (low && *low >= 0xDC00 && *low < 0xE000)
                        code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
                    else
                        at_ = before;
                }
                appendUtf8(decoded, *code);
                break;
            }
            default: decoded += escaped; break;  // '"', '\\' and '/' stand for themselves
            }
        }
        if (at_ < json_.size())
            ++at_;  // the closing quote
        return decoded;
    }

    void object(const std::string& path)
    {
        ++at_;  // '{'
        std::set<std::string> keys;
        while (more()) {
            skipBlanks();
            if (at_ >= json_.size() || json_[at_] == '}')
                break;
            if (json_[at_] == ',') {
                ++at_;
                continue;
            }
            if (json_[at_] != '"')
                return;  // not JSON: nothing more to find
            const std::size_t keyAt = at_;
            const std::string key = text();
            const std::string keyPath = path.empty() ? key : path + "." + key;
            if (!keys.insert(key).second) {
                found_ = DuplicateKey{keyPath, keyAt};
                return;
            }
            skipBlanks();
            if (at_ < json_.size() && json_[at_] == ':')
                ++at_;
            value(keyPath);
        }
        ++at_;  // '}'
    }

    void list(const std::string& path)
    {
        ++at_;  // '['
        while (more()) {
            skipBlanks();
            if (at_ >= json_.size() || json_[at_] == ']')
                break;
            if (json_[at_] == ',') {
                ++at_;
                continue;
            }
            const std::size_t before = at_;
            value(path);
            if (at_ == before)
                return;  // not JSON: nothing more to find
        }
        ++at_;  // ']'
    }

    void value(const std::string& path)
    {
        skipBlanks();
        if (!more())
            return;
        switch (json_[at_]) {
        case '{': object(path); return;
        case '[': list(path); return;
        case '"': text(); return;
        default:
            // A number, true, false or null: up to the next separator.
            while (at_ < json_.size() && json_[at_] != ',' && json_[at_] != '}' && json_[at_] != ']'
                   && json_[at_] != '"' && json_[at_] != '{' && json_[at_] != '[')
                ++at_;
        }
    }

    std::string_view json_;
    std::size_t at_ = 0;
    std::optional<DuplicateKey> found_;
};

}  // namespace

std::optional<DuplicateKey> firstDuplicateKey(std::string_view json) { return Scanner(json).run(); }

}  // namespace tarrowin

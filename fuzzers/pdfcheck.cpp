// The check of a PDF file: read as a reader does, from the cross-reference table at its end to
// each object, each dictionary tokenised, each stream inflated, each content stream tokenised.
#include "filechecks.h"

#include <zlib.h>

#include <cctype>
#include <string>
#include <vector>

namespace fuzz {

namespace {

// More than any page of the writers inflates to: a stream beyond it is a fault of its own.
constexpr std::size_t inflatedLimit = 256u << 20;

bool isPdfSpace(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool isPdfDelimiter(char c) {
    return isPdfSpace(c) || c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' ||
           c == '{' || c == '}' || c == '/' || c == '%';
}

// The tokens of PDF's syntax, one after the other; strings and names are passed over whole.
class Tokens {
public:
    explicit Tokens(std::string_view text) : text(text) {}

    // The next token, or an empty view at the end.
    std::string_view next() {
        while (at < text.size()) {
            if (isPdfSpace(text[at])) {
                ++at;
            } else if (text[at] == '%') {
                while (at < text.size() && text[at] != '\n' && text[at] != '\r')
                    ++at;
            } else {
                break;
            }
        }
        if (at >= text.size()) return {};
        const std::size_t start = at;
        const char c = text[at++];
        if ((c == '<' || c == '>') && at < text.size() && text[at] == c) {
            ++at;
        } else if (c == '<') {
            while (at < text.size() && text[at] != '>')
                ++at;
            at = std::min(at + 1, text.size());
        } else if (c == '(') {
            skipString();
        } else if (c == '/') {
            while (at < text.size() && !isPdfDelimiter(text[at]))
                ++at;
        } else if (!isPdfDelimiter(c)) {
            while (at < text.size() && !isPdfDelimiter(text[at]))
                ++at;
        }
        return text.substr(start, at - start);
    }

private:
    void skipString() {
        int depth = 1;
        while (at < text.size() && depth > 0) {
            const char c = text[at++];
            if (c == '\\')
                ++at;
            else if (c == '(')
                ++depth;
            else if (c == ')')
                --depth;
        }
    }

    std::string_view text;
    std::size_t at = 0;
};

bool startsNumber(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
}

bool isPdfNumber(std::string_view token) {
    return numberLength(token, false) == token.size();
}

bool isHexString(std::string_view token) {
    if (token.size() < 2 || token.back() != '>') return false;
    for (char c : token.substr(1, token.size() - 2))
        if (!std::isxdigit(static_cast<unsigned char>(c)) && !isPdfSpace(c)) return false;
    return true;
}

// The numbers of an object's text before its stream, and the words it may hold.
std::string checkObjectText(std::string_view text, int object) {
    Tokens tokens(text);
    for (std::string_view token = tokens.next(); !token.empty(); token = tokens.next()) {
        const std::string where = " in object " + std::to_string(object);
        if (startsNumber(token[0])) {
            if (!isPdfNumber(token))
                return "PDF: \"" + std::string(token) + "\" is no number" + where;
        } else if (token[0] == '<' && token != "<<" && !isHexString(token)) {
            return "PDF: a broken hex string" + where;
        } else if (std::isalpha(static_cast<unsigned char>(token[0])) && token != "R" &&
                   token != "true" && token != "false" && token != "null") {
            return "PDF: the word \"" + std::string(token) + "\"" + where;
        }
    }
    return {};
}

// A content stream: numbers in PDF's grammar, names, and operators of letters (and the quote
// and star forms), none a spelling of NaN or infinity.
std::string checkContent(std::string_view content, int object) {
    Tokens tokens(content);
    for (std::string_view token = tokens.next(); !token.empty(); token = tokens.next()) {
        const std::string where = " in the content of object " + std::to_string(object);
        if (startsNumber(token[0])) {
            if (!isPdfNumber(token))
                return "PDF: \"" + std::string(token) + "\" is no PDF number" + where;
            continue;
        }
        if (token[0] == '/' || token[0] == '[' || token[0] == ']' || token[0] == '<' ||
            token[0] == '(')
            continue;
        bool word = true;
        for (char c : token)
            word = word && (std::isalpha(static_cast<unsigned char>(c)) || c == '*' || c == '\'' ||
                            c == '"');
        if (!word || token == "nan" || token == "inf")
            return "PDF: the operator \"" + std::string(token) + "\"" + where;
    }
    return {};
}

bool inflate(std::string_view data, std::string& inflated) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    char buffer[65536];
    int status = Z_OK;
    while (status == Z_OK && inflated.size() < inflatedLimit) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = ::inflate(&stream, Z_NO_FLUSH);
        inflated.append(buffer, sizeof buffer - stream.avail_out);
        if (status == Z_BUF_ERROR && stream.avail_in == 0) break;
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END;
}

long long integerAt(std::string_view text, std::size_t at) {
    long long value = 0;
    std::size_t digits = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && digits < 15) {
        value = value * 10 + (text[at++] - '0');
        ++digits;
    }
    return digits ? value : -1;
}

class PdfFile {
public:
    explicit PdfFile(std::string_view file) : file(file) {}

    std::string check() {
        std::string fault = readCrossReferences();
        if (!fault.empty()) return fault;
        for (int object = 1; object < static_cast<int>(offsets.size()); ++object) {
            fault = checkObject(object);
            if (!fault.empty()) return fault;
        }
        if (!contentFound) return "PDF: object 1 is no Flate-compressed content stream";
        return {};
    }

private:
    // "startxref", the table's offset, then "xref", "0 N" and N entries of 20 bytes.
    std::string readCrossReferences() {
        const std::size_t start = file.rfind("startxref");
        if (start == std::string_view::npos) return "PDF: no startxref";
        const long long table = integerAt(file, start + 10);
        if (table < 0 || static_cast<std::size_t>(table) >= file.size() ||
            file.substr(static_cast<std::size_t>(table), 7) != "xref\n0 ")
            return "PDF: startxref points to no cross-reference table";
        std::size_t at = static_cast<std::size_t>(table) + 7;
        const long long count = integerAt(file, at);
        if (count < 1) return "PDF: an empty cross-reference table";
        at = file.find('\n', at) + 1;
        for (long long i = 0; i < count; ++i, at += 20) {
            const std::string_view entry = file.substr(at, 20);
            if (entry.size() != 20 || entry.substr(10, 1) != " " || entry.substr(18, 2) != "\r\n")
                return "PDF: cross-reference entry " + std::to_string(i) + " is broken";
            offsets.push_back(integerAt(entry, 0));
        }
        if (file.substr(at, 7) != "trailer") return "PDF: no trailer after the table";
        const std::size_t size = file.find("/Size ", at);
        if (size == std::string_view::npos || integerAt(file, size + 6) != count)
            return "PDF: the trailer's /Size is not the table's length";
        return checkObjectText(file.substr(at + 7, start - at - 7), 0);
    }

    // The text of an object from "N 0 obj" to its "stream" or "endobj".
    std::string_view objectText(int object, std::size_t& end) const {
        const std::string head = std::to_string(object) + " 0 obj";
        const long long offset = offsets[object];
        if (offset < 0 || static_cast<std::size_t>(offset) >= file.size() ||
            file.substr(static_cast<std::size_t>(offset), head.size()) != head)
            return {};
        const std::size_t begin = static_cast<std::size_t>(offset) + head.size();
        const std::size_t stream = file.find("stream", begin);
        const std::size_t endobj = file.find("endobj", begin);
        end = std::min(stream, endobj);
        if (end == std::string_view::npos) return {};
        return file.substr(begin, end - begin);
    }

    // A stream's /Length: a number, or a reference to an object that holds one.
    long long streamLength(std::string_view dictionary) const {
        const std::size_t at = dictionary.find("/Length ");
        if (at == std::string_view::npos) return -1;
        const long long value = integerAt(dictionary, at + 8);
        const std::size_t after = dictionary.find_first_not_of("0123456789", at + 8);
        if (dictionary.substr(after, 4) != " 0 R") return value;
        if (value < 1 || value >= static_cast<long long>(offsets.size())) return -1;
        std::size_t end = 0;
        const std::string_view text = objectText(static_cast<int>(value), end);
        const std::size_t digits = text.find_first_not_of("\r\n ");
        return digits == std::string_view::npos ? -1 : integerAt(text, digits);
    }

    std::string checkObject(int object) {
        const std::string name = "object " + std::to_string(object);
        std::size_t end = 0;
        const std::string_view text = objectText(object, end);
        if (text.empty()) return "PDF: the table points to no " + name;
        std::string fault = checkObjectText(text, object);
        if (!fault.empty()) return fault;
        if (file.compare(end, 6, "stream") != 0) return {};
        std::size_t data = end + 6;
        if (file.compare(data, 2, "\r\n") == 0)
            data += 2;
        else if (file.compare(data, 1, "\n") == 0)
            data += 1;
        else
            return "PDF: no line end after the stream keyword of " + name;
        const long long length = streamLength(text);
        if (length < 0 || data + static_cast<std::size_t>(length) > file.size())
            return "PDF: the stream of " + name + " has no usable /Length";
        const std::string_view bytes = file.substr(data, static_cast<std::size_t>(length));
        const std::size_t after = data + static_cast<std::size_t>(length);
        if (file.compare(after, 10, "\nendstream") != 0 &&
            file.compare(after, 11, "\r\nendstream") != 0 &&
            file.compare(after, 9, "endstream") != 0)
            return "PDF: the stream of " + name + " does not end where its /Length says";
        if (text.find("/FlateDecode") == std::string_view::npos) return {};
        std::string inflated;
        if (!inflate(bytes, inflated)) return "PDF: the stream of " + name + " does not inflate";
        if (object == 1) contentFound = true;
        if (text.find("/Subtype /Image") != std::string_view::npos) return {};
        return checkContent(inflated, object);
    }

    std::string_view file;
    std::vector<long long> offsets;
    bool contentFound = false;
};

} // namespace

std::string checkPdf(std::string_view file) {
    return PdfFile(file).check();
}

} // namespace fuzz

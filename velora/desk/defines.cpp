#include "desk/defines.h"

#include <cstring>
#include <iostream>

namespace {

// The words the import acts on or knows to ignore, each standing for itself.
const char* const builtInWords[] = {
    "lineto",      "moveto",       "gsave",         "grestore",  "sethsbcolor", "setlinecap",
    "setlinejoin", "setlinewidth", "setmiterlimit", "image",     "translate",   "scale",
    "string",      "stroke",       "showpage",      "closepath", "newpath"};

constexpr unsigned dictionarySize = 1000;

bool isEmpty(const char* text) {
    return !text || !*text;
}

bool startsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

} // namespace

Defines::Defines()
    : count(0), capacity(dictionarySize), labels(new strings[dictionarySize]),
      commands(new strings[dictionarySize]) {
    for (const char* word : builtInWords)
        Load(word, word);
}

Defines::~Defines() {
    delete[] labels;
    delete[] commands;
}

void Defines::Load(const char* label, const char* command) {
    if (isEmpty(label) || isEmpty(command)) return;
    // A label already known keeps its place: redefining it needs no new slot.
    for (unsigned i = 0; i < count; ++i) {
        if (std::strcmp(labels[i], label) != 0) continue;
        if (std::strcmp(commands[i], command) != 0) commands[i] << command;
        return;
    }
    if (count >= capacity) {
        --count;
        std::cout << "buffergrenze erreicht : " << count << " : " << capacity << std::endl;
    }
    labels[count] << label;
    commands[count] << command;
    ++count;
}

char* Defines::operator()(char* word) {
    if (!word) return word;
    unsigned i = 0;
    while (i < count && std::strcmp(labels[i], word) != 0)
        ++i;
    if (i == count) return word;
    // Only the first label the command begins with counts: "width string " gives width's text.
    for (unsigned j = 0; j < count; ++j) {
        if (startsWith(commands[i], labels[j])) return commands[j];
    }
    return commands[i];
}

char* Defines::label(unsigned i) {
    return labels[count ? i % count : 0];
}

char* Defines::command(unsigned i) {
    return commands[count ? i % count : 0];
}

void Defines::reset() {
    for (unsigned i = 0; i < count; ++i) {
        labels[i] << " ";
        commands[i] << " ";
    }
    count = 0;
}

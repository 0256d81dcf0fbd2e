// Defines: the abbreviation dictionary of the EPS import. It maps the names a file defines
// ("/l{lineto}def", "/width 64 def") to their text, and starts with the PostScript words the
// import acts on, each mapped to itself.
#pragma once

#include "common/api.h"
#include "desk/strings.h"

class VELORA_API Defines {
public:
    Defines();
    ~Defines();
    Defines(const Defines&) = delete;
    Defines& operator=(const Defines&) = delete;

    // Adds the pair, or gives an existing label its new command. Empty texts are ignored. In a
    // full dictionary a new label takes the place of the last entry, with a message.
    void Load(const char* label, const char* command);
    // The command a word stands for, followed one step further when the command begins with
    // another label; the word itself when it is no label.
    char* operator()(char* word);
    unsigned getMax() const { return count; }
    // Entry i modulo the entries in use (the first slot of an empty dictionary).
    char* label(unsigned i);
    char* command(unsigned i);
    // Forgets every entry, the built-in words too.
    void reset();

private:
    unsigned count;
    unsigned capacity;
    strings* labels;
    strings* commands;
};

#pragma once
// What each point is called, by point index, beside the window anchors: the name that the
// accessibility layer gives the element it was recorded on, else one made of its window's
// title and its number ("Calculadora 3"); later, one that a carer gives it. Names are
// UTF-8: the accessibility layer's names may hold any character.

#include <string>
#include <vector>

namespace zv {

class PointNames {
public:
    // No point has a name.
    void clear();
    // The point at `index` is called `name`; an empty name takes its name away.
    void set(int index, const std::string& name);
    void unset(int index);
    // The point's name; empty when it has none.
    const std::string& nameOf(int index) const;
    // Whether any of the first `count` points has a name.
    bool any(int count) const;

private:
    std::vector<std::string> names_;   // by point index, grown on demand
};

// A name as the accessibility layer gave it, made fit to be kept and said: control
// characters (line breaks, tabs) become blanks, runs of blanks one blank, none at either
// end, and at most kLongestName characters.
inline constexpr size_t kLongestName = 200;
std::string tidyName(const std::string& utf8);

// The name of a point that the accessibility layer leaves unnamed: its window's title
// (UTF-8) and its number from 1, or the number alone outside any window.
std::string fallbackName(const std::string& windowTitle, int number);

// What a scan step says for the point at `index`: its name, or its number from 1 when it
// has none (a file recorded without names).
std::string spokenName(const PointNames& names, int index);

}  // namespace zv

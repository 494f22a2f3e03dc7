#pragma once
#include <string>
#include <vector>

#include "host/core/DataDictionary.h"
#include "host/core/Result.h"

namespace zarvo::gallery {

// One step of a script: at `time` seconds, send `event`, or take a screenshot named `shot`.
struct ScriptStep {
  double time = 0.0;
  DataDictionary event;
  std::string shot;
};

// Parses a script of lines "<seconds> <verb> <arguments>", '#' starting a comment:
//   move X Y | press X Y [right|middle] | drag X Y | release X Y [right|middle]
//   key NAME [shift|ctrl|alt]... (NAME: enter, tab, escape, left, right, up, down, home, end,
//   backspace, delete, or one character) | keyup NAME ... | type TEXT... | scroll X Y up|down|left|right (one wheel notch)
//   shot NAME
// An error names the line and what is wrong with it.
[[nodiscard]] Result<std::vector<ScriptStep>> ParseEventScript(const std::string& text);

}  // namespace zarvo::gallery

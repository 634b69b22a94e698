// A kept string given a new value on the hot path of Code and Decode.
#pragma once

#include <string>
#include <string_view>

namespace ostrevan {

// `target` becomes `value`, which never overlaps it. An append to a cleared
// string is a plain copy where the value fits the string's room; assign
// would take the general replace, which minds overlaps.
inline void AssignText(std::string& target, std::string_view value) {
  target.clear();
  if (!value.empty()) target.append(value.data(), value.size());
}

}  // namespace ostrevan

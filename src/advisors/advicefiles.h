#pragma once

// The advisors' files in the data folder, relative to the program folder.
namespace datapaths {
inline constexpr auto personalReasons = "data/coach/personal.rtf";
inline constexpr auto thingsToDo = "data/coach/things.txt";
inline constexpr auto whyPeopleSmoke = "data/prof/whypeoplesmoke.rtf";
} // namespace datapaths

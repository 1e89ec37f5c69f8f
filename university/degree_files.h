// Loading the degree files when the degrees screen is created: the language folder's degree,
// subject, activity and profession files (with the vocational files read at the same point),
// then the data folder's places, universities, binary degree tables and double degrees.
// A missing file gives the missing-file message and StartAborted.
#pragma once

namespace velmora {

// The whole load in its fixed order; stops after the language files when one was missing.
void LoadDegreeFiles();

// The language files alone (also run again when the language changes).
void LoadDegreeLanguageFiles();

}  // namespace velmora

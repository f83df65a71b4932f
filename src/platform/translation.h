#pragma once

// The program's texts are English in the source. Its English translation adds
// what the source cannot say alone: the plural forms ("1 day", "2 days").
namespace translation {

// Installs it into the running application; false when it could not be loaded.
bool install();

} // namespace translation

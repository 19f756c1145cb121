#pragma once
// The key filters of the five-tone dialogs' text boxes. Each takes a typed
// character code and gives the code to insert, 0 when the key is swallowed.
// Copy, cut and paste (Ctrl+C, Ctrl+X, Ctrl+V) and codes above 127 are
// swallowed; other control codes pass. Enter is left to the caller.
#include <string>

namespace rp {

using KeyFilter = int (*)(int);

int FilterDigitKey(int key);      // "0".."9"
int FilterHexKey(int key);        // "0".."9", "A".."F"; "a".."f" raised
int FilterNameKey(int key);       // printable ASCII except "\" and "~"
int FilterToneKey(int key);       // "0".."9" and "."
int FilterCalledIdKey(int key);   // "0".."9" and "A"; "a" raised
int FilterMessageKey(int key);    // "0".."9", "A".."Z"; "a".."z" raised
// Only codes above 127 are swallowed.
int FilterLatinKey(int key);

// The printable characters a box with this filter can hold: those the
// filter keeps as typed (a lower-case letter it raises is held raised).
// The box's input guard (GuardTextBox) takes exactly these.
std::string KeyFilterChars(KeyFilter filter);

}  // namespace rp

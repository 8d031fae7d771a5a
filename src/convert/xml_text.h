// Names and character data inside the document text: name matching and entity decoding.
#pragma once

#include <string>

namespace zrt::xml {

// End of the name that begins at name: the first of white space, '<', '>', '=', '\', '/',
// '?', '!' or NUL, stepping over two-byte characters whole.
const char* NameEnd(const char* name);

// True when requested matches the name at name in the text: the requested name's first n
// bytes equal the n bytes of that name, and the requested name ends there or goes on with
// one of space, '=', '/', '[', ']'. Byte-exact, case included.
bool NameMatches(const char* name, const char* requested);

// Appends the bytes [begin, end) to out with the references &lt; &amp; &gt; &apos; &quot;
// and &#decimal; / &#xhex; decoded; a reference that cannot be decoded stays as written.
void AppendDecoded(const char* begin, const char* end, std::string* out);

// The decoded value of the first attribute matching name in the tag whose name begins at
// tag (the byte after "<" or "<?"); an attribute written without '=' gives its own name.
// Empty when there is no such attribute or name is null.
std::string FindAttribute(const char* tag, const char* name);

}  // namespace zrt::xml

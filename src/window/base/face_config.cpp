#include "window/base/face_config.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <vector>

#include <expat.h>

#include "domain/service/pdf_service.h"

namespace {

constexpr size_t kChunkSize = 1024;

struct ParseState {
  std::vector<std::string> paths;  // key path of every open element
};

FaceRect RectFromAttributes(const XML_Char** attributes) {
  FaceRect rect;
  for (int i = 0; attributes[i] != nullptr; i += 2) {
    const char* name = attributes[i];
    const int value = std::atoi(attributes[i + 1]);
    if (std::strcmp(name, "x") == 0) {
      rect.x = value;
    } else if (std::strcmp(name, "y") == 0) {
      rect.y = value;
    } else if (std::strcmp(name, "width") == 0) {
      rect.width = value;
    } else {
      rect.height = value;
    }
  }
  return rect;
}

void XMLCALL OnStartElement(void* user_data, const XML_Char* name, const XML_Char** attributes) {
  auto* state = static_cast<ParseState*>(user_data);
  const std::string parent = state->paths.empty() ? std::string() : state->paths.back();
  state->paths.push_back(parent + "/" + name);
  if (attributes[0] != nullptr) GetFaceTable()[state->paths.back()] = RectFromAttributes(attributes);
}

void XMLCALL OnEndElement(void* user_data, const XML_Char* /*name*/) {
  auto* state = static_cast<ParseState*>(user_data);
  if (!state->paths.empty()) state->paths.pop_back();
}

struct ParserDeleter {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};

}  // namespace

FaceTable& GetFaceTable() {
  static FaceTable table;
  return table;
}

int LoadFace(const wxString& path) {
  const wxScopedCharBuffer path_utf8 = path.utf8_str();
  std::unique_ptr<FILE, FileCloser> file(Utf8Fopen(path_utf8.data(), "r"));
  if (!file) return -1;

  std::unique_ptr<XML_ParserStruct, ParserDeleter> parser(XML_ParserCreate(nullptr));
  ParseState state;
  XML_SetUserData(parser.get(), &state);
  XML_SetElementHandler(parser.get(), OnStartElement, OnEndElement);

  std::vector<char> buffer(kChunkSize);
  while (!std::feof(file.get())) {
    const size_t length = std::fread(buffer.data(), 1, buffer.size(), file.get());
    if (std::ferror(file.get())) break;
    if (XML_Parse(parser.get(), buffer.data(), static_cast<int>(length), XML_FALSE) == XML_STATUS_ERROR) {
      std::fprintf(stderr, "%s at line %lu ->%s\n", XML_ErrorString(XML_GetErrorCode(parser.get())),
                   static_cast<unsigned long>(XML_GetCurrentLineNumber(parser.get())), path_utf8.data());
      break;
    }
  }
  // The final chunk's verdict is not looked at: a document cut short is accepted.
  XML_Parse(parser.get(), "", 0, XML_TRUE);
  return 0;
}

const FaceRect& GetFaceRect(const wxString& key) {
  FaceTable& table = GetFaceTable();
  const std::string key_utf8 = key.utf8_string();
  auto found = table.find(key_utf8);
  if (found != table.end()) return found->second;
  static std::set<std::string> reported;
  if (reported.insert(key_utf8).second)
    std::fprintf(stderr, "face key %s is not defined; using zeros\n", key_utf8.c_str());
  // Not stored in the table: the table holds only what the description says.
  static std::map<std::string, FaceRect> missing;
  return missing[key_utf8];
}

// tarnly-convert: converts PDF pages to image files from the command line,
// on the same conversion service as the desktop program.  Each input gets a
// new folder named after it inside the output folder, as in the program.
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "domain/service/pdf_service.h"

namespace {

const char kUsage[] =
    "Usage: tarnly-convert [options] FILE.pdf...\n"
    "Converts the pages of PDF files into image files.  Each FILE gets a new\n"
    "folder named after it inside the output folder.\n"
    "\n"
    "Options:\n"
    "  -f FORMAT  jpg, tif, png, bmp or gif (default png)\n"
    "  -p PAGES   pages such as 1,3,5-10 (default: all pages)\n"
    "  -r DPI     resolution in dots per inch (default 150)\n"
    "  -o FOLDER  output folder (default: the current folder; made if missing)\n"
    "  -j N       worker threads (default: one per processor core)\n"
    "  -q         no progress display\n"
    "  -h, --help this text\n"
    "\n"
    "Exit status: 0 when every file was converted, 1 when a file failed,\n"
    "2 for a usage error, 130 when interrupted.\n";

struct Options {
  int format = PDF_FORMAT_PNG;
  std::string pages;
  int dpi = 0;
  int workers = 0;
  std::string output_dir = ".";
  bool quiet = false;
  std::vector<std::string> inputs;
};

Pdf2xxService* g_inspector = nullptr;
volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) {
  g_interrupted = 1;
  if (g_inspector != nullptr) g_inspector->cancel(1);
}

bool ParseFormat(const std::string& name, int* format) {
  static const struct {
    const char* name;
    int code;
  } kFormats[] = {{"png", PDF_FORMAT_PNG}, {"tif", PDF_FORMAT_TIF},  {"tiff", PDF_FORMAT_TIF},
                  {"jpg", PDF_FORMAT_JPG}, {"jpeg", PDF_FORMAT_JPG}, {"bmp", PDF_FORMAT_BMP},
                  {"gif", PDF_FORMAT_GIF}};
  for (const auto& entry : kFormats) {
    if (name == entry.name) {
      *format = entry.code;
      return true;
    }
  }
  return false;
}

bool ParseCount(const char* text, int low, int high, int* value) {
  char* end = nullptr;
  const long parsed = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || parsed < low || parsed > high) return false;
  *value = static_cast<int>(parsed);
  return true;
}

// Returns 0 to go on, 2 for a usage error, -1 after --help.
int ParseArguments(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") return -1;
    if (arg == "-q") {
      options->quiet = true;
      continue;
    }
    const bool takes_value = arg == "-f" || arg == "-p" || arg == "-r" || arg == "-o" || arg == "-j";
    if (takes_value && i + 1 >= argc) {
      std::fprintf(stderr, "tarnly-convert: %s needs a value\n", arg.c_str());
      return 2;
    }
    bool valid = true;
    if (arg == "-f") {
      valid = ParseFormat(argv[++i], &options->format);
    } else if (arg == "-p") {
      options->pages = argv[++i];
    } else if (arg == "-r") {
      valid = ParseCount(argv[++i], 1, 2400, &options->dpi);
    } else if (arg == "-j") {
      valid = ParseCount(argv[++i], 1, 64, &options->workers);
    } else if (arg == "-o") {
      options->output_dir = argv[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "tarnly-convert: unknown option %s (see --help)\n", arg.c_str());
      return 2;
    } else {
      options->inputs.push_back(arg);
    }
    if (!valid) {
      std::fprintf(stderr, "tarnly-convert: invalid value for %s: %s\n", arg.c_str(), argv[i]);
      return 2;
    }
  }
  if (options->inputs.empty()) {
    std::fprintf(stderr, "tarnly-convert: no input file (see --help)\n");
    return 2;
  }
  return 0;
}

std::string StemOf(const std::string& path) {
  std::string name = std::filesystem::path(path).filename().string();
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

// The first of base, base(1), base(2), ... that is not an existing folder
// (the program's rule).  Plain bytes: a file name need not be UTF-8 here.
std::string UniqueFolder(const std::string& base) {
  std::string candidate = base;
  struct stat info;
  for (int n = 1; ::stat(candidate.c_str(), &info) == 0 && S_ISDIR(info.st_mode); ++n) {
    candidate = base + "(" + std::to_string(n) + ")";
  }
  return candidate;
}

struct ProgressLine {
  std::string label;
  bool shown;
};

int ShowProgress(void* context, int done, int total) {
  ProgressLine* line = static_cast<ProgressLine*>(context);
  if (line->shown) {
    std::fprintf(stderr, "\r%s: %d/%d pages", line->label.c_str(), done, total);
    std::fflush(stderr);
  }
  return g_interrupted ? -2 : 0;
}

// Converts one file into a new folder; prints one line; returns the
// service's result code.
int ConvertOne(PdfService* service, const Options& options, const std::string& input,
               const std::string& label) {
  const int page_count = g_inspector->page_count(g_inspector, input.c_str(), 0);
  if (page_count <= 0) return -page_count;
  const std::string pages = options.pages.empty() ? "1-" + std::to_string(page_count) : options.pages;
  const std::string folder = UniqueFolder(options.output_dir + "/" + StemOf(input));
  if (::mkdir(folder.c_str(), 0777) != 0) return PDF_ERR_OUTPUT_DIR;
  ProgressLine line{label, !options.quiet && ::isatty(STDERR_FILENO) != 0};
  const int result = service->convert(service, input.c_str(), pages.c_str(), options.format, folder.c_str(),
                                      &line, ShowProgress);
  if (line.shown) std::fprintf(stderr, "\r\033[K");
  if (result == PDF_OK) {
    if (!options.quiet) std::printf("%s: %s\n", label.c_str(), folder.c_str());
  } else {
    ::rmdir(folder.c_str());  // only when empty: finished pages are kept
  }
  return result;
}

int ConvertAll(const Options& options) {
  std::error_code error;
  std::filesystem::create_directories(options.output_dir, error);
  PdfService service;
  if (CreatePdfService(&service) != PDF_OK) return 1;
  service.dpi = options.dpi;
  service.workers = options.workers;
  int failures = 0;
  for (const std::string& input : options.inputs) {
    if (g_interrupted) break;
    const int result = ConvertOne(&service, options, input, input);
    if (result != PDF_OK) {
      ++failures;
      std::fprintf(stderr, "tarnly-convert: %s: %s\n", input.c_str(), PdfServiceResultText(result));
    }
  }
  FreePdfService(&service);
  if (g_interrupted) return 130;
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  const int parsed = ParseArguments(argc, argv, &options);
  if (parsed == -1) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (parsed != 0) return parsed;
  g_inspector = CreatePdf2xxService(std::filesystem::path(argv[0]).parent_path().string().c_str());
  if (g_inspector == nullptr) return 1;
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  const int status = ConvertAll(options);
  FreePdf2xxService(g_inspector);
  return status;
}

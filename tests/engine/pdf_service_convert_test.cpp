// The conversion entry end to end: real MuPDF on PDFs made by the tests,
// real files in a temporary HOME, and real decoders reading back what was
// written.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csetjmp>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include "domain/service/domain_pdf_context.h"
#include "domain/service/domain_pdf_document.h"
#include "domain/service/pdf_service.h"
#include "support/temp_home.h"
#include "support/test_pdf.h"

namespace {

namespace fs = std::filesystem;

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
};

// ---- Reference render and decoders -------------------------------------

RgbImage RenderReference(const std::string& pdf, int page, int dpi) {
  RgbImage image;
  DomainPdfContext context;
  DomainPdfDocument document(context.Get());
  if (document.Open(pdf) != PDF_OK) return image;
  DomainPixmapPtr pixmap(nullptr, DomainPixmapDeleter{context.Get()});
  if (document.RenderPage(page - 1, dpi / 72.0, nullptr, &pixmap) != PDF_OK) return image;
  fz_context* ctx = context.Get();
  image.width = fz_pixmap_width(ctx, pixmap.get());
  image.height = fz_pixmap_height(ctx, pixmap.get());
  const unsigned char* samples = fz_pixmap_samples(ctx, pixmap.get());
  image.rgb.assign(samples, samples + static_cast<size_t>(image.width) * image.height * 3);
  return image;
}

RgbImage DecodePng(const std::string& path) {
  RgbImage image;
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return image;
  png.format = PNG_FORMAT_RGB;
  image.rgb.resize(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr)) return RgbImage();
  image.width = static_cast<int>(png.width);
  image.height = static_cast<int>(png.height);
  return image;
}

RgbImage DecodeTiff(const std::string& path, uint16_t* compression = nullptr) {
  RgbImage image;
  TIFF* tiff = TIFFOpen(path.c_str(), "r");
  if (tiff == nullptr) return image;
  if (compression != nullptr) TIFFGetField(tiff, TIFFTAG_COMPRESSION, compression);
  uint32_t width = 0;
  uint32_t height = 0;
  uint16_t samples = 0;
  uint16_t bits = 0;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
  TIFFGetField(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
  TIFFGetField(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
  if (samples == 3 && bits == 8) {
    image.rgb.resize(static_cast<size_t>(width) * height * 3);
    bool read = true;
    for (uint32_t y = 0; y < height && read; ++y) {
      read = TIFFReadScanline(tiff, image.rgb.data() + static_cast<size_t>(y) * width * 3, y, 0) == 1;
    }
    if (read) {
      image.width = static_cast<int>(width);
      image.height = static_cast<int>(height);
    } else {
      image.rgb.clear();
    }
  }
  TIFFClose(tiff);
  return image;
}

struct JpegTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void JpegFail(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegTrap*>(info->err)->jump, 1);
}

bool DecodeJpegInto(FILE* file, RgbImage* image) {
  jpeg_decompress_struct info;
  JpegTrap trap;
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JpegFail;
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image->width = static_cast<int>(info.output_width);
  image->height = static_cast<int>(info.output_height);
  image->rgb.resize(static_cast<size_t>(image->width) * image->height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->rgb.data() + static_cast<size_t>(info.output_scanline) * image->width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

RgbImage DecodeJpeg(const std::string& path) {
  RgbImage image;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return image;
  const bool decoded = DecodeJpegInto(file, &image);
  std::fclose(file);
  return decoded ? image : RgbImage();
}

RgbImage DecodeGif(const std::string& path) {
  RgbImage image;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (gif == nullptr) return image;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1) {
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    image.width = gif->SWidth;
    image.height = gif->SHeight;
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    for (size_t i = 0; i < static_cast<size_t>(image.width) * image.height; ++i) {
      const GifColorType& colour = map->Colors[frame.RasterBits[i]];
      image.rgb[i * 3] = colour.Red;
      image.rgb[i * 3 + 1] = colour.Green;
      image.rgb[i * 3 + 2] = colour.Blue;
    }
  }
  DGifCloseFile(gif, &error);
  return image;
}

uint32_t Le32(const std::string& bytes, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

RgbImage DecodeBmp(const std::string& path) {
  RgbImage image;
  const std::string bytes = testsupport::ReadWholeFile(path);
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return image;
  if (Le32(bytes, 2) != bytes.size() || (Le32(bytes, 28) & 0xFFFF) != 24 || Le32(bytes, 30) != 0)
    return image;
  const uint32_t offset = Le32(bytes, 10);
  const int width = static_cast<int>(Le32(bytes, 18));
  const int height = static_cast<int>(Le32(bytes, 22));
  const size_t row_bytes = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  if (offset + row_bytes * height != bytes.size()) return image;
  image.width = width;
  image.height = height;
  image.rgb.resize(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    const char* row = bytes.data() + offset + row_bytes * (height - 1 - y);  // bottom-up
    for (int x = 0; x < width; ++x) {
      unsigned char* out = image.rgb.data() + (static_cast<size_t>(y) * width + x) * 3;
      out[0] = static_cast<unsigned char>(row[x * 3 + 2]);
      out[1] = static_cast<unsigned char>(row[x * 3 + 1]);
      out[2] = static_cast<unsigned char>(row[x * 3]);
    }
  }
  return image;
}

double Psnr(const RgbImage& a, const RgbImage& b) {
  if (a.rgb.size() != b.rgb.size() || a.rgb.empty()) return 0;
  double squared = 0;
  for (size_t i = 0; i < a.rgb.size(); ++i) {
    const double d = static_cast<double>(a.rgb[i]) - b.rgb[i];
    squared += d * d;
  }
  const double mse = squared / a.rgb.size();
  return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

std::set<std::string> FilesIn(const std::string& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
  return names;
}

// ---- Fixture ------------------------------------------------------------

struct ProgressLog {
  std::vector<std::pair<int, int>> calls;
  int stop_at_done = -1;  // answer -2 once `done` reaches this
};

int RecordProgress(void* context, int done, int total) {
  ProgressLog* log = static_cast<ProgressLog*>(context);
  log->calls.emplace_back(done, total);
  return log->stop_at_done >= 0 && done >= log->stop_at_done ? -2 : 0;
}

class PdfServiceConvert : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(PDF_OK, CreatePdfService(&service_)); }
  void TearDown() override { FreePdfService(&service_); }

  int Convert(const std::string& pdf, const char* pages, int format, const std::string& out,
              ProgressLog* log = nullptr) {
    return service_.convert(&service_, pdf.c_str(), pages, format, out.c_str(), log,
                            log ? RecordProgress : nullptr);
  }

  PdfService service_;
};

std::string MakePdf(const std::string& dir, const std::string& name, int pages, bool image = true) {
  testsupport::TestPdfOptions options;
  options.page_count = pages;
  options.mixed_sizes = true;
  options.image = image;
  const std::string path = dir + "/" + name;
  EXPECT_TRUE(testsupport::MakeTestPdf(path, options));
  return path;
}

// ---- Tests --------------------------------------------------------------

TEST_F(PdfServiceConvert, EveryFormatDecodesBackToTheRenderedPage) {
  const std::string dir = testsupport::MakeScratchDir("formats");
  const std::string pdf = MakePdf(dir, "doc.pdf", 2);
  const RgbImage reference[] = {RenderReference(pdf, 1, 150), RenderReference(pdf, 2, 150)};
  ASSERT_EQ(1240, reference[0].width);  // 595 pt at 150 dpi, rounded up
  ASSERT_EQ(1650, reference[1].width);  // 792 pt landscape

  // Measured on these pages: JPEG at quality 90 (4:2:0 chroma) scores about
  // 42 dB, GIF about 43 dB (only the gradient image needs more than 256
  // colours).  A 36 dB floor leaves room for other library versions and
  // still fails a shifted, mis-scaled or colour-swapped page, which scores
  // under 20 dB.
  const struct {
    int format;
    const char* extension;
    RgbImage (*decode)(const std::string&);
    double min_psnr;  // 0: must be identical
  } formats[] = {
      {PDF_FORMAT_PNG, "png", DecodePng, 0},
      {PDF_FORMAT_TIF, "tif", [](const std::string& path) { return DecodeTiff(path); }, 0},
      {PDF_FORMAT_BMP, "bmp", DecodeBmp, 0},
      {PDF_FORMAT_JPG, "jpg", DecodeJpeg, 36},
      {PDF_FORMAT_GIF, "gif", DecodeGif, 36},
  };
  for (const auto& f : formats) {
    SCOPED_TRACE(f.extension);
    const std::string out = testsupport::MakeScratchDir(f.extension);
    ASSERT_EQ(PDF_OK, Convert(pdf, "1-2", f.format, out));
    const std::string names[] = {std::string("doc-1.") + f.extension, std::string("doc-2.") + f.extension};
    EXPECT_EQ((std::set<std::string>{names[0], names[1]}), FilesIn(out));
    for (int page = 0; page < 2; ++page) {
      const RgbImage decoded = f.decode(out + "/" + names[page]);
      ASSERT_EQ(reference[page].width, decoded.width);
      ASSERT_EQ(reference[page].height, decoded.height);
      if (f.min_psnr == 0) {
        EXPECT_TRUE(decoded.rgb == reference[page].rgb) << "page " << page + 1 << " differs";
      } else {
        EXPECT_GE(Psnr(decoded, reference[page]), f.min_psnr) << "page " << page + 1;
      }
    }
  }
  // The PSNR floor tells pages apart: a blank page of the same size fails it.
  RgbImage blank = reference[0];
  std::fill(blank.rgb.begin(), blank.rgb.end(), 255);
  EXPECT_LT(Psnr(blank, reference[0]), 20);
}

TEST_F(PdfServiceConvert, TiffPacksLineArtAndDeflatesPicturesLosslessly) {
  const std::string dir = testsupport::MakeScratchDir("tiff");
  testsupport::TestPdfOptions line_art;
  ASSERT_TRUE(testsupport::MakeTestPdf(dir + "/line art.pdf", line_art));
  testsupport::TestPdfOptions picture;
  picture.full_page_image = true;
  ASSERT_TRUE(testsupport::MakeTestPdf(dir + "/picture.pdf", picture));
  const struct {
    const char* name;
    uint16_t compression;
  } cases[] = {{"line art", COMPRESSION_PACKBITS}, {"picture", COMPRESSION_ADOBE_DEFLATE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string pdf = dir + "/" + c.name + ".pdf";
    ASSERT_EQ(PDF_OK, Convert(pdf, "1", PDF_FORMAT_TIF, dir));
    const std::string tif = dir + "/" + c.name + "-1.tif";
    uint16_t compression = 0;
    const RgbImage decoded = DecodeTiff(tif, &compression);
    EXPECT_EQ(c.compression, compression);
    const RgbImage reference = RenderReference(pdf, 1, 150);
    ASSERT_EQ(reference.width, decoded.width);
    EXPECT_TRUE(decoded.rgb == reference.rgb);
    // At least five times smaller than the raw pixels either way.
    EXPECT_LT(fs::file_size(tif) * 5, reference.rgb.size());
  }
}

TEST_F(PdfServiceConvert, ResolutionAndWorkerSettingsAreHonoured) {
  const std::string dir = testsupport::MakeScratchDir("dpi");
  const std::string pdf = MakePdf(dir, "doc.pdf", 3, false);
  service_.dpi = 72;
  service_.workers = 1;
  ASSERT_EQ(PDF_OK, Convert(pdf, "1-3", PDF_FORMAT_PNG, dir));
  const int expected[][2] = {{595, 842}, {792, 612}, {144, 216}};
  for (int page = 1; page <= 3; ++page) {
    const RgbImage decoded = DecodePng(dir + "/doc-" + std::to_string(page) + ".png");
    EXPECT_EQ(expected[page - 1][0], decoded.width);
    EXPECT_EQ(expected[page - 1][1], decoded.height);
    EXPECT_TRUE(decoded.rgb == RenderReference(pdf, page, 72).rgb);
  }
}

TEST_F(PdfServiceConvert, PageListWithRepeatsWritesEachPageOnceAndCountsEveryMention) {
  const std::string dir = testsupport::MakeScratchDir("list");
  const std::string pdf = MakePdf(dir, "twelve.pdf", 12, false);
  const std::string out = testsupport::MakeScratchDir("list-out");
  ProgressLog log;
  ASSERT_EQ(PDF_OK, Convert(pdf, "3,1,3,12,5-6", PDF_FORMAT_JPG, out, &log));
  EXPECT_EQ((std::set<std::string>{"twelve-01.jpg", "twelve-03.jpg", "twelve-05.jpg", "twelve-06.jpg",
                                   "twelve-12.jpg"}),
            FilesIn(out));
  ASSERT_FALSE(log.calls.empty());
  EXPECT_EQ(std::make_pair(0, 6), log.calls.front());
  EXPECT_EQ(std::make_pair(6, 6), log.calls.back());
  std::set<int> seen;
  for (size_t i = 0; i < log.calls.size(); ++i) {
    EXPECT_EQ(6, log.calls[i].second);
    if (i > 0) {
      EXPECT_GE(log.calls[i].first, log.calls[i - 1].first);
    }
    seen.insert(log.calls[i].first);
  }
  EXPECT_EQ((std::set<int>{0, 1, 2, 3, 4, 5, 6}), seen);  // one call per page, none skipped
}

TEST_F(PdfServiceConvert, RefusedRequestsWriteNothing) {
  const std::string dir = testsupport::MakeScratchDir("refused");
  const std::string pdf = MakePdf(dir, "ten.pdf", 10, false);
  testsupport::TestPdfOptions locked;
  locked.user_password = "pw";
  ASSERT_TRUE(testsupport::MakeTestPdf(dir + "/locked.pdf", locked));
  ASSERT_TRUE(testsupport::MakeDamagedPdf(dir + "/damaged.pdf"));
  ASSERT_TRUE(testsupport::MakeEmptyFile(dir + "/x.pdf"));
  ASSERT_TRUE(testsupport::MakeTextFile(dir + "/text.pdf"));
  const std::string file_not_folder = dir + "/ten.pdf";

  const struct {
    std::string source;
    const char* pages;
    int format;
    std::string out;
    int expected;
  } cases[] = {
      {pdf, "1,11", PDF_FORMAT_PNG, "", PDF_ERR_PAGE_LIST},
      {pdf, "3-12", PDF_FORMAT_PNG, "", PDF_ERR_PAGE_LIST},
      {pdf, "5-3", PDF_FORMAT_PNG, "", PDF_ERR_PAGE_LIST},
      {pdf, "1,,2", PDF_FORMAT_PNG, "", PDF_ERR_PAGE_LIST},
      {pdf, "", PDF_FORMAT_PNG, "", PDF_ERR_PAGE_LIST},
      {pdf, "1", 5, "", PDF_ERR_FORMAT},
      {pdf, "1", -1, "", PDF_ERR_FORMAT},
      {pdf, "1", PDF_FORMAT_PNG, dir + "/no such folder", PDF_ERR_OUTPUT_DIR},
      {pdf, "1", PDF_FORMAT_PNG, file_not_folder, PDF_ERR_OUTPUT_DIR},
      {dir + "/missing.pdf", "1", PDF_FORMAT_PNG, "", PDF_ERR_NO_FILE},
      {dir + "/locked.pdf", "1", PDF_FORMAT_PNG, "", PDF_ERR_PASSWORD},
      {dir + "/damaged.pdf", "1", PDF_FORMAT_PNG, "", PDF_ERR_DAMAGED},
      {dir + "/x.pdf", "1", PDF_FORMAT_PNG, "", PDF_ERR_NOT_PDF},
      {dir + "/text.pdf", "1", PDF_FORMAT_PNG, "", PDF_ERR_NOT_PDF},
  };
  for (const auto& c : cases) {
    const std::string out = c.out.empty() ? testsupport::MakeScratchDir("refused-out") : c.out;
    ProgressLog log;
    EXPECT_EQ(c.expected, Convert(c.source, c.pages, c.format, out, &log)) << c.source << " " << c.pages;
    if (c.out.empty()) {
      EXPECT_TRUE(FilesIn(out).empty()) << c.source << " " << c.pages;
    }
    EXPECT_TRUE(log.calls.empty());
  }
  EXPECT_EQ(PDF_ERR_NO_FILE, service_.convert(&service_, nullptr, "1", 0, dir.c_str(), nullptr, nullptr));
  EXPECT_EQ(PDF_ERR_PAGE_LIST,
            service_.convert(&service_, pdf.c_str(), nullptr, 0, dir.c_str(), nullptr, nullptr));
  EXPECT_STRNE("unknown error", PdfServiceResultText(PDF_ERR_PAGE_LIST));
}

// Images are written under a temporary name first; they must still end up
// with the permissions of any file the user makes (0666 less the umask), not
// private to the owner.
TEST_F(PdfServiceConvert, ImagesGetTheUsualPermissions) {
  const std::string pdf = MakePdf(testsupport::MakeScratchDir("modes"), "doc.pdf", 1, false);
  const mode_t old_mask = ::umask(022);
  const struct {
    int format;
    const char* name;
  } formats[] = {{PDF_FORMAT_PNG, "doc-1.png"}, {PDF_FORMAT_TIF, "doc-1.tif"}, {PDF_FORMAT_JPG, "doc-1.jpg"},
                 {PDF_FORMAT_BMP, "doc-1.bmp"}, {PDF_FORMAT_GIF, "doc-1.gif"}};
  for (const auto& f : formats) {
    const std::string out = testsupport::MakeScratchDir(std::string("modes-") + f.name);
    EXPECT_EQ(PDF_OK, Convert(pdf, "1", f.format, out)) << f.name;
    struct stat info {};
    EXPECT_EQ(0, ::stat((out + "/" + f.name).c_str(), &info)) << f.name;
    EXPECT_EQ(0644u, info.st_mode & 0777u) << f.name;
  }
  ::umask(old_mask);
}

TEST_F(PdfServiceConvert, HandlesNonAsciiAndBlankPaths) {
  const std::string dir = testsupport::MakeScratchDir("ünïcode dir");
  const std::string pdf = MakePdf(dir, "Bericht März 2024 – 東京.pdf", 2, false);
  const std::string out = dir + "/Ausgabe ü";
  fs::create_directory(out);
  ASSERT_EQ(PDF_OK, Convert(pdf, "1-2", PDF_FORMAT_TIF, out));
  EXPECT_EQ((std::set<std::string>{"Bericht März 2024 – 東京-1.tif", "Bericht März 2024 – 東京-2.tif"}),
            FilesIn(out));
  EXPECT_EQ(1240, DecodeTiff(out + "/Bericht März 2024 – 東京-1.tif").width);
}

TEST_F(PdfServiceConvert, NamesNearTheLengthLimitStillConvert) {
  const std::string dir = testsupport::MakeScratchDir("long");
  const std::string stem(240, 'n');  // with "-1.png" still within 255 bytes
  const std::string pdf = MakePdf(dir, stem + ".pdf", 1, false);
  ASSERT_EQ(PDF_OK, Convert(pdf, "1", PDF_FORMAT_PNG, dir + "/"));
  EXPECT_TRUE(fs::exists(dir + "/" + stem + "-1.png"));
}

TEST_F(PdfServiceConvert, StopAnsweredByProgressKeepsOnlyCompleteImages) {
  const std::string dir = testsupport::MakeScratchDir("answer-stop");
  // Pages slow enough that the workers cannot finish the file before the
  // stop answer reaches them.
  testsupport::TestPdfOptions options;
  options.page_count = 8;
  options.slow_shapes = 20000;
  const std::string pdf = dir + "/eight.pdf";
  ASSERT_TRUE(testsupport::MakeTestPdf(pdf, options));
  const std::string out = testsupport::MakeScratchDir("answer-stop-out");
  ProgressLog log;
  log.stop_at_done = 2;
  service_.workers = 2;
  EXPECT_EQ(PDF_ERR_CANCELLED, Convert(pdf, "1-8", PDF_FORMAT_PNG, out, &log));
  EXPECT_EQ(2, log.calls.back().first);  // no call after the stop answer
  const std::set<std::string> files = FilesIn(out);
  EXPECT_GE(files.size(), 2u);
  EXPECT_LT(files.size(), 8u);
  for (const std::string& name : files) {
    EXPECT_EQ(".png", fs::path(name).extension().string()) << name;  // no temporary leftovers
    EXPECT_GT(DecodePng(out + "/" + name).width, 0) << name;
  }
}

TEST_F(PdfServiceConvert, FullDiskFailsWithoutLeavingPartialImages) {
  const std::string dir = testsupport::MakeScratchDir("full");
  const std::string pdf = MakePdf(dir, "doc.pdf", 3);
  const std::string out = testsupport::MakeScratchDir("full-out");
  // A file size limit makes writes fail the way a full disk does.
  rlimit old_limit;
  ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &old_limit));
  void (*old_handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old_limit;
  small.rlim_cur = 256 * 1024;  // a BMP page here is about 6 MB
  ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
  const int result = Convert(pdf, "1-3", PDF_FORMAT_BMP, out);
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(PDF_ERR_WRITE, result);
  EXPECT_TRUE(FilesIn(out).empty());
}

// A page that takes long to render, to stop in the middle of it.
class PdfServiceStop : public PdfServiceConvert {
 protected:
  static constexpr int kDpi = 300;

  // Makes the page heavier until it takes long enough on this machine.
  static void SetUpTestSuite() {
    dir_ = new std::string(testsupport::MakeScratchDir("stop"));
    pdf_ = new std::string(*dir_ + "/slow.pdf");
    testsupport::TestPdfOptions options;
    for (options.slow_shapes = 60000; options.slow_shapes <= 1000000; options.slow_shapes *= 2) {
      ASSERT_TRUE(testsupport::MakeTestPdf(*pdf_, options));
      const auto start = std::chrono::steady_clock::now();
      ASSERT_GT(RenderReference(*pdf_, 1, kDpi).width, 0);
      page_seconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      if (page_seconds_ >= 0.8) break;
    }
  }
  static void TearDownTestSuite() {
    delete dir_;
    delete pdf_;
  }

  static std::string* dir_;
  static std::string* pdf_;
  static double page_seconds_;
};

std::string* PdfServiceStop::dir_ = nullptr;
std::string* PdfServiceStop::pdf_ = nullptr;
double PdfServiceStop::page_seconds_ = 0;

TEST_F(PdfServiceStop, CancelFromAnotherThreadStopsWithinThePage) {
  ASSERT_GT(page_seconds_, 0.4) << "the slow page renders too fast to stop in its middle";
  const std::string out = testsupport::MakeScratchDir("cancel-out");
  service_.dpi = kDpi;
  std::atomic<bool> started{false};
  std::atomic<int> result{-1};
  struct Context {
    std::atomic<bool>* started;
  } context{&started};
  std::thread converter([&] {
    result = service_.convert(&service_, pdf_->c_str(), "1", PDF_FORMAT_PNG, out.c_str(), &context,
                              [](void* c, int, int) {
                                static_cast<Context*>(c)->started->store(true);
                                return 0;
                              });
  });
  while (!started.load()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  std::this_thread::sleep_for(std::chrono::duration<double>(page_seconds_ / 5));
  Pdf2xxService* inspector = CreatePdf2xxService("");
  const auto asked = std::chrono::steady_clock::now();
  inspector->cancel(1);
  converter.join();
  const double latency = std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count();
  EXPECT_EQ(PDF_ERR_CANCELLED, result.load());
  EXPECT_LT(latency, page_seconds_ / 2) << "a full page takes " << page_seconds_ << " s";
  EXPECT_TRUE(FilesIn(out).empty());

  // The request holds until cleared: the next file of the run is refused.
  EXPECT_EQ(PDF_ERR_CANCELLED, Convert(*pdf_, "1", PDF_FORMAT_PNG, out));
  inspector->cancel(0);
  FreePdf2xxService(inspector);
}

TEST_F(PdfServiceStop, StopAnswerIsHeardDuringALongPage) {
  const std::string out = testsupport::MakeScratchDir("heartbeat-out");
  service_.dpi = kDpi;
  ProgressLog log;
  log.stop_at_done = 0;  // stop at the first call after the opening one
  struct Context {
    ProgressLog* log;
    int calls = 0;
  } context{&log};
  const auto start = std::chrono::steady_clock::now();
  const int result = service_.convert(&service_, pdf_->c_str(), "1", PDF_FORMAT_PNG, out.c_str(), &context,
                                      [](void* c, int done, int total) {
                                        Context* ctx = static_cast<Context*>(c);
                                        ctx->log->calls.emplace_back(done, total);
                                        return ++ctx->calls >= 2 ? -2 : 0;
                                      });
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(PDF_ERR_CANCELLED, result);
  ASSERT_EQ(2u, log.calls.size());
  EXPECT_EQ(std::make_pair(0, 1), log.calls[1]);  // called while the page was still rendering
  EXPECT_LT(elapsed, page_seconds_ * 0.75) << "a full page takes " << page_seconds_ << " s";
  EXPECT_TRUE(FilesIn(out).empty());
}

TEST_F(PdfServiceConvert, InspectionAndConversionRunTogetherFromManyThreads) {
  const std::string dir = testsupport::MakeScratchDir("threads");
  const std::string pdf = MakePdf(dir, "shared.pdf", 6);
  const RgbImage expected_first = RenderReference(pdf, 1, 150);
  Pdf2xxService* inspector = CreatePdf2xxService("");
  std::atomic<bool> converting{true};
  std::atomic<int> wrong{0};
  std::atomic<int> checks{0};
  // The preview and the loading workers ask about the file while it is
  // being converted; every answer must stay right.
  auto inspect = [&](int thread) {
    while (converting.load() || checks.load() < 30) {
      int width = 0;
      int height = 0;
      unsigned char* pixels =
          inspector->render_page(inspector, pdf.c_str(), 1 + thread % 3, 200, 200, &width, &height);
      if (pixels == nullptr || width <= 0 || height <= 0) ++wrong;
      std::free(pixels);
      if (inspector->page_count(inspector, pdf.c_str(), 0) != 6) ++wrong;
      if (!inspector->open_check(inspector, pdf.c_str()).readable) ++wrong;
      ++checks;
    }
  };
  std::vector<std::thread> inspectors;
  for (int i = 0; i < 3; ++i) inspectors.emplace_back(inspect, i);
  service_.workers = 2;
  const int result = Convert(pdf, "1-6,1-6", PDF_FORMAT_PNG, dir);
  converting = false;
  for (std::thread& thread : inspectors) thread.join();
  FreePdf2xxService(inspector);
  EXPECT_EQ(PDF_OK, result);
  EXPECT_EQ(0, wrong.load());
  EXPECT_TRUE(DecodePng(dir + "/shared-1.png").rgb == expected_first.rgb);
}

TEST_F(PdfServiceConvert, NewRecordClearsAnEarlierStop) {
  const std::string dir = testsupport::MakeScratchDir("clear");
  const std::string pdf = MakePdf(dir, "doc.pdf", 1, false);
  Pdf2xxService* inspector = CreatePdf2xxService("");
  inspector->cancel(1);
  EXPECT_EQ(PDF_ERR_CANCELLED, Convert(pdf, "1", PDF_FORMAT_BMP, dir));
  PdfService fresh;
  ASSERT_EQ(PDF_OK, CreatePdfService(&fresh));
  EXPECT_EQ(PDF_OK, fresh.convert(&fresh, pdf.c_str(), "1", PDF_FORMAT_BMP, dir.c_str(), nullptr, nullptr));
  FreePdfService(&fresh);
  FreePdf2xxService(inspector);
}

}  // namespace

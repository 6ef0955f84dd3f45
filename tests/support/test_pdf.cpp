#include "support/test_pdf.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

#include "support/temp_home.h"

namespace testsupport {
namespace {

std::string PageContent(const TestPdfOptions& options, int page_index, const TestPdfPageSize& size) {
  std::string content;
  char line[256];
  if (options.drawing) {
    // Coloured shapes with sharp edges: a fault in colour order or scaling
    // shows up as large pixel differences.
    std::snprintf(line, sizeof line, "1 0 0 rg 18 18 %.1f %.1f re f\n", size.width_pt / 3,
                  size.height_pt / 4);
    content += line;
    content += "0 0 1 RG 4 w 20 60 m 120 140 l S\n";
    std::snprintf(line, sizeof line, "0 0.6 0 rg %.1f 30 m %.1f 90 %.1f 90 %.1f 30 c f\n", size.width_pt / 2,
                  size.width_pt / 2 + 20, size.width_pt / 2 + 50, size.width_pt / 2 + 70);
    content += line;
  }
  if (options.slow_shapes > 0) {
    // Semi-transparent filled curves cost the rasteriser a blend per pixel;
    // positions cycle over the page.
    content += "/GS1 gs\n";
    for (int i = 0; i < options.slow_shapes; ++i) {
      const double x = 10 + (i * 37) % static_cast<int>(size.width_pt - 20);
      const double y = 10 + (i * 53) % static_cast<int>(size.height_pt - 20);
      std::snprintf(line, sizeof line, "%.2f %.2f %.2f rg %.1f %.1f m %.1f %.1f %.1f %.1f %.1f %.1f c f\n",
                    (i % 7) / 7.0, (i % 11) / 11.0, (i % 13) / 13.0, x, y, x + 30, y + 40, x + 60, y - 20,
                    x + 5, y + 1);
      content += line;
    }
  }
  if (options.image) {
    std::snprintf(line, sizeof line, "q %.1f 0 0 %.1f %.1f %.1f cm /Im1 Do Q\n", size.width_pt / 3,
                  size.width_pt / 3, size.width_pt / 2, size.height_pt / 3);
    content += line;
  }
  if (options.full_page_image) {
    std::snprintf(line, sizeof line, "q %.1f 0 0 %.1f 0 0 cm /Im1 Do Q\n", size.width_pt, size.height_pt);
    content += line;
  }
  if (options.text) {
    const double font_size = size.width_pt < 300 ? 18 : 36;
    std::snprintf(line, sizeof line, "0 g BT /F1 %.0f Tf 24 %.1f Td (Page %d) Tj ET\n", font_size,
                  size.height_pt - font_size - 12, page_index + 1);
    content += line;
  }
  return content;
}

pdf_obj* AddGradientImage(fz_context* ctx, pdf_document* doc) {
  fz_pixmap* pixmap = fz_new_pixmap(ctx, fz_device_rgb(ctx), 64, 64, nullptr, 0);
  pdf_obj* ref = nullptr;
  fz_try(ctx) {
    unsigned char* samples = fz_pixmap_samples(ctx, pixmap);
    const int stride = fz_pixmap_stride(ctx, pixmap);
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        unsigned char* pixel = samples + y * stride + x * 3;
        pixel[0] = static_cast<unsigned char>(x * 4);
        pixel[1] = static_cast<unsigned char>(y * 4);
        pixel[2] = static_cast<unsigned char>(255 - x * 2);
      }
    }
    fz_image* image = fz_new_image_from_pixmap(ctx, pixmap, nullptr);
    fz_try(ctx) ref = pdf_add_image(ctx, doc, image);
    fz_always(ctx) fz_drop_image(ctx, image);
    fz_catch(ctx) fz_rethrow(ctx);
  }
  fz_always(ctx) fz_drop_pixmap(ctx, pixmap);
  fz_catch(ctx) fz_rethrow(ctx);
  return ref;
}

pdf_obj* MakeResources(fz_context* ctx, pdf_document* doc, const TestPdfOptions& options) {
  pdf_obj* resources = pdf_new_dict(ctx, doc, 2);
  if (options.text) {
    fz_font* font = fz_new_base14_font(ctx, "Helvetica");
    pdf_obj* font_ref = pdf_add_simple_font(ctx, doc, font, PDF_SIMPLE_ENCODING_LATIN);
    fz_drop_font(ctx, font);
    pdf_obj* fonts = pdf_dict_put_dict(ctx, resources, PDF_NAME(Font), 1);
    pdf_dict_puts_drop(ctx, fonts, "F1", font_ref);
  }
  if (options.slow_shapes > 0) {
    pdf_obj* states = pdf_dict_put_dict(ctx, resources, PDF_NAME(ExtGState), 1);
    pdf_obj* state = pdf_dict_puts_dict(ctx, states, "GS1", 2);
    pdf_dict_put_real(ctx, state, PDF_NAME(ca), 0.5);
  }
  if (options.image || options.full_page_image) {
    pdf_obj* xobjects = pdf_dict_put_dict(ctx, resources, PDF_NAME(XObject), 1);
    pdf_dict_puts_drop(ctx, xobjects, "Im1", AddGradientImage(ctx, doc));
  }
  return resources;
}

void AddPage(fz_context* ctx, pdf_document* doc, pdf_obj* resources, const TestPdfOptions& options,
             int page_index) {
  const TestPdfPageSize size = TestPdfPageSizeOf(options, page_index);
  const std::string content = PageContent(options, page_index, size);
  fz_buffer* buffer = fz_new_buffer_from_copied_data(
      ctx, reinterpret_cast<const unsigned char*>(content.data()), content.size());
  pdf_obj* page = nullptr;
  fz_var(page);
  fz_try(ctx) {
    page = pdf_add_page(ctx, doc, fz_make_rect(0, 0, size.width_pt, size.height_pt), 0, resources, buffer);
    pdf_insert_page(ctx, doc, -1, page);
  }
  fz_always(ctx) {
    pdf_drop_obj(ctx, page);
    fz_drop_buffer(ctx, buffer);
  }
  fz_catch(ctx) fz_rethrow(ctx);
}

void SaveDocument(fz_context* ctx, pdf_document* doc, const std::string& path,
                  const TestPdfOptions& options) {
  pdf_write_options write = pdf_default_write_options;
  write.do_compress = 1;
  if (!options.user_password.empty()) {
    write.do_encrypt = PDF_ENCRYPT_AES_256;
    write.permissions = -1;
    std::snprintf(write.upwd_utf8, sizeof write.upwd_utf8, "%s", options.user_password.c_str());
    std::snprintf(write.opwd_utf8, sizeof write.opwd_utf8, "%s-owner", options.user_password.c_str());
  }
  pdf_save_document(ctx, doc, path.c_str(), &write);
}

}  // namespace

TestPdfPageSize TestPdfPageSizeOf(const TestPdfOptions& options, int page_index) {
  if (!options.mixed_sizes) return {options.width_pt, options.height_pt};
  static const TestPdfPageSize kCycle[] = {{595.0, 842.0}, {792.0, 612.0}, {144.0, 216.0}};
  return kCycle[page_index % 3];
}

bool MakeTestPdf(const std::string& path, const TestPdfOptions& options) {
  fz_context* ctx = fz_new_context(nullptr, nullptr, FZ_STORE_DEFAULT);
  if (ctx == nullptr) return false;
  bool made = true;
  pdf_document* doc = nullptr;
  pdf_obj* resources = nullptr;
  fz_var(doc);
  fz_var(resources);
  fz_try(ctx) {
    doc = pdf_create_document(ctx);
    resources = MakeResources(ctx, doc, options);
    for (int i = 0; i < options.page_count; ++i) AddPage(ctx, doc, resources, options, i);
    SaveDocument(ctx, doc, path, options);
  }
  fz_always(ctx) {
    pdf_drop_obj(ctx, resources);
    pdf_drop_document(ctx, doc);
  }
  fz_catch(ctx) made = false;
  fz_drop_context(ctx);
  return made;
}

bool MakeDamagedPdf(const std::string& path) {
  // A PDF header, then bytes that hold no "obj" keyword, no trailer and no
  // cross-reference table: repair finds nothing to rebuild from.
  std::string contents = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
  unsigned state = 12345;
  for (int i = 0; i < 4096; ++i) {
    state = state * 1103515245u + 12345u;
    char c = static_cast<char>('A' + (state >> 16) % 26);
    contents += (i % 64 == 63) ? '\n' : c;
  }
  contents += "\n%%EOF\n";
  WriteWholeFile(path, contents);
  return ReadWholeFile(path) == contents;
}

bool MakeRepairablePdf(const std::string& path, int page_count) {
  TestPdfOptions options;
  options.page_count = page_count;
  if (!MakeTestPdf(path, options)) return false;
  std::string contents = ReadWholeFile(path);
  const std::size_t at = contents.rfind("startxref");
  if (at == std::string::npos) return false;
  // Point the cross-reference offset into the middle of the header.
  const std::size_t eof = contents.find("%%EOF", at);
  contents.replace(at, eof - at, "startxref\n3\n");
  WriteWholeFile(path, contents);
  return ReadWholeFile(path) == contents;
}

bool MakeEmptyFile(const std::string& path) {
  WriteWholeFile(path, "");
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

bool MakeTextFile(const std::string& path) {
  const std::string contents = "This is a plain text file, not a PDF.\nLine two.\n";
  WriteWholeFile(path, contents);
  return ReadWholeFile(path) == contents;
}

std::string MakePdfInDir(const std::string& dir, const std::string& name, int pages) {
  TestPdfOptions options;
  options.page_count = pages;
  const std::string path = dir + "/" + name;
  EXPECT_TRUE(MakeTestPdf(path, options)) << path;
  return path;
}

}  // namespace testsupport

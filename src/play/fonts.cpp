#include "play/fonts.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

namespace play {

namespace {

// The file of the best match for `pattern`, if it covers `lang`.
std::string match(const char* pattern, const char* lang) {
  FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
  if (!pat) return {};
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult result = FcResultNoMatch;
  FcPattern* found = FcFontMatch(nullptr, pat, &result);
  FcPatternDestroy(pat);
  if (!found) return {};
  std::string file;
  FcChar8* path = nullptr;
  FcLangSet* langs = nullptr;
  bool covers =
      !lang || (FcPatternGetLangSet(found, FC_LANG, 0, &langs) == FcResultMatch &&
                FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>(lang)) == FcLangEqual);
  if (covers && FcPatternGetString(found, FC_FILE, 0, &path) == FcResultMatch) {
    file = reinterpret_cast<const char*>(path);
  }
  FcPatternDestroy(found);
  return file;
}

}  // namespace

bool findFonts(FontFiles& files, std::string& error) {
  if (!FcInit()) {
    error = "fontconfig could not start; install the package fontconfig";
    return false;
  }
  for (const char* name : {"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP", "VL PGothic",
                           "TakaoPGothic", "sans-serif:lang=ja"}) {
    files.gothic = match(name, "ja");
    if (!files.gothic.empty()) break;
  }
  if (files.gothic.empty()) {
    error = "no Japanese font found; install the package fonts-ipafont-gothic";
    return false;
  }
  files.window = match("DejaVu Sans", "en");
  if (files.window.empty()) files.window = files.gothic;
  return true;
}

Text::~Text() {
  for (auto& [key, f] : fonts_) TTF_CloseFont(f);
  TTF_Quit();
}

std::unique_ptr<Text> Text::open(std::string& error) {
  FontFiles files;
  if (!findFonts(files, error)) return nullptr;
  if (TTF_Init() != 0) {
    error = std::string("SDL_ttf could not start: ") + TTF_GetError();
    return nullptr;
  }
  std::unique_ptr<Text> text(new Text());
  text->files_ = std::move(files);
  if (!text->font(Face::Gothic, 19) || !text->font(Face::Window, 11)) {
    error = "cannot open the font " + text->files_.gothic + "; install fonts-ipafont-gothic";
    return nullptr;
  }
  return text;
}

_TTF_Font* Text::font(Face face, int pixels) {
  auto key = std::make_pair(face, pixels);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  const std::string& file = face == Face::Gothic ? files_.gothic : files_.window;
  TTF_Font* f = TTF_OpenFont(file.c_str(), pixels);
  if (f) fonts_.emplace(key, f);
  return f;
}

const TextMask& Text::render(Face face, double points, const std::string& text) {
  const int pixels = pointsToPixels(points);
  auto key = std::make_tuple(face, pixels, text);
  if (auto it = masks_.find(key); it != masks_.end()) return it->second;
  if (masks_.size() > 512) masks_.clear();  // the score line changes; keep the cache small

  TextMask mask;
  TTF_Font* f = font(face, pixels);
  SDL_Surface* s =
      f && !text.empty() ? TTF_RenderUTF8_Blended(f, text.c_str(), {255, 255, 255, 255}) : nullptr;
  if (s) {
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (argb) {
      mask.w = argb->w;
      mask.h = argb->h;
      mask.alpha.resize(static_cast<size_t>(mask.w) * mask.h);
      for (int y = 0; y < mask.h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(argb->pixels) + static_cast<ptrdiff_t>(y) * argb->pitch);
        for (int x = 0; x < mask.w; ++x)
          mask.alpha[static_cast<size_t>(y) * mask.w + x] = row[x] >> 24;
      }
      SDL_FreeSurface(argb);
    }
  } else if (f) {
    mask.h = TTF_FontHeight(f);
  }
  return masks_.emplace(key, std::move(mask)).first->second;
}

}  // namespace play

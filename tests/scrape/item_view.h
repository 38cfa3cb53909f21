// A result item as the lyrics panel shows it to the user: what a search must get right for
// every item, whatever else the item was told.
#pragma once

#include <ostream>
#include <string>

namespace scrape {

inline const std::string kSiteBaseUrl = MELODARA_SITE_BASE_URL;

// A full page address from the part that follows the site's base address.
inline std::string site(const std::string& path) { return kSiteBaseUrl + path; }

struct item_view {
  int synced;  // 0 for a text lyric, 1 for a karaoke lyric
  std::string artist;
  std::string album;
  std::string title;
  std::string address;  // full address, as LoadLyric will download it

  bool operator==(const item_view& other) const {
    return synced == other.synced && artist == other.artist && album == other.album &&
           title == other.title && address == other.address;
  }
};

inline item_view text_item(std::string artist, std::string album, std::string title,
                           const std::string& path) {
  return {0, std::move(artist), std::move(album), std::move(title), site(path)};
}

inline item_view karaoke_item(std::string artist, std::string album, std::string title,
                              const std::string& path) {
  return {1, std::move(artist), std::move(album), std::move(title), site(path)};
}

inline void PrintTo(const item_view& item, std::ostream* out) {
  *out << (item.synced == 0 ? "text" : item.synced == 1 ? "karaoke" : "synced?") << " {\""
       << item.artist << "\", \"" << item.album << "\", \"" << item.title << "\", " << item.address
       << "}";
}

}  // namespace scrape

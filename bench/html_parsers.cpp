#include "bench/html_parsers.h"

#include <gumbo.h>
#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <functional>

#include "scrape/karaoke.h"
#include "text/text_helpers.h"

namespace bench {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool TitleFits(std::string_view requested, std::string_view song) {
  return requested == "*" || song.find(requested) != std::string_view::npos ||
         requested.find(song) != std::string_view::npos;
}

std::string Credits(std::string_view author) {
  std::string credits = "\r\n---\r\n";
  credits.append(melodara::TrimWhitespace(author));
  return credits;
}

// The two trees, seen through the same few questions.
struct gumbo_tree {
  using node = const GumboNode*;
  static bool IsElement(node n) { return n->type == GUMBO_NODE_ELEMENT; }
  static std::string_view Tag(node n) { return gumbo_normalized_tagname(n->v.element.tag); }
  static std::string_view Attribute(node n, const char* name) {
    const GumboAttribute* attribute = gumbo_get_attribute(&n->v.element.attributes, name);
    return attribute != nullptr ? attribute->value : "";
  }
  template <typename Visit>
  static void Children(node n, Visit&& visit) {
    if (n->type != GUMBO_NODE_ELEMENT && n->type != GUMBO_NODE_DOCUMENT) return;
    const GumboVector& children =
        n->type == GUMBO_NODE_ELEMENT ? n->v.element.children : n->v.document.children;
    for (unsigned index = 0; index < children.length; ++index) {
      visit(static_cast<node>(children.data[index]));
    }
  }
  static void AppendText(node n, std::string& out) {
    if (n->type == GUMBO_NODE_TEXT || n->type == GUMBO_NODE_WHITESPACE || n->type == GUMBO_NODE_CDATA) {
      out += n->v.text.text;
      return;
    }
    Children(n, [&out](node child) { AppendText(child, out); });
  }
};

struct libxml2_tree {
  using node = const xmlNode*;
  static bool IsElement(node n) { return n->type == XML_ELEMENT_NODE; }
  static std::string_view Tag(node n) { return reinterpret_cast<const char*>(n->name); }
  static std::string_view Attribute(node n, const char* name) {
    const xmlAttr* attribute = xmlHasProp(n, reinterpret_cast<const xmlChar*>(name));
    if (attribute == nullptr || attribute->children == nullptr || attribute->children->content == nullptr) return "";
    return reinterpret_cast<const char*>(attribute->children->content);
  }
  template <typename Visit>
  static void Children(node n, Visit&& visit) {
    for (const xmlNode* child = n->children; child != nullptr; child = child->next) visit(child);
  }
  static void AppendText(node n, std::string& out) {
    if (n->type == XML_TEXT_NODE || n->type == XML_CDATA_SECTION_NODE) {
      if (n->content != nullptr) out += reinterpret_cast<const char*>(n->content);
      return;
    }
    Children(n, [&out](node child) { AppendText(child, out); });
  }
};

// The first element, in document order, that `wanted` accepts; null when none.
template <typename Tree>
typename Tree::node Find(typename Tree::node from, const std::function<bool(typename Tree::node)>& wanted) {
  if (Tree::IsElement(from) && wanted(from)) return from;
  typename Tree::node found = nullptr;
  Tree::Children(from, [&](typename Tree::node child) {
    if (found == nullptr) found = Find<Tree>(child, wanted);
  });
  return found;
}

template <typename Tree>
std::string TextOf(typename Tree::node n) {
  std::string text;
  if (n != nullptr) Tree::AppendText(n, text);
  return text;
}

template <typename Tree>
std::size_t ArtistItems(typename Tree::node root, std::string_view title) {
  using node = typename Tree::node;
  const node left = Find<Tree>(root, [](node n) {
    return Tree::Tag(n) == "div" && StartsWith(Tree::Attribute(n, "id"), "left_column");
  });
  if (left == nullptr) return 0;
  std::size_t items = 0;
  std::string album;
  // Tables and the album boxes and header cells that name them, in document order.
  std::function<void(node)> walk = [&](node n) {
    if (!Tree::IsElement(n)) return;
    if (Tree::Tag(n) == "div" && StartsWith(Tree::Attribute(n, "class"), "album_cover_box")) {
      album = TextOf<Tree>(Find<Tree>(n, [](node e) { return Tree::Tag(e) == "strong"; }));
      return;
    }
    if (Tree::Tag(n) == "tr") {
      std::string song;
      bool lyric = false;
      bool karaoke = false;
      std::function<void(node)> links = [&](node e) {
        if (!Tree::IsElement(e)) return;
        if (Tree::Tag(e) == "a") {
          const std::string_view href = Tree::Attribute(e, "href");
          if (!lyric && StartsWith(href, "/texty-pisni/")) {
            lyric = true;
            song = TextOf<Tree>(e);
          } else if (StartsWith(href, "/karaoke/")) {
            karaoke = true;
          }
        }
        Tree::Children(e, links);
      };
      Tree::Children(n, links);
      if (TitleFits(title, song)) items += static_cast<std::size_t>(lyric) + static_cast<std::size_t>(karaoke);
      return;
    }
    Tree::Children(n, walk);
  };
  Tree::Children(left, walk);
  return items;
}

template <typename Tree>
std::string TextLyric(typename Tree::node root) {
  using node = typename Tree::node;
  const node lyric = Find<Tree>(root, [](node n) { return Tree::Tag(n) == "p" && Tree::Attribute(n, "class") == "text"; });
  if (lyric == nullptr) return {};
  const node authors = Find<Tree>(root, [](node n) {
    return Tree::Tag(n) == "div" && StartsWith(Tree::Attribute(n, "class"), "authors");
  });
  return TextOf<Tree>(lyric) + Credits(TextOf<Tree>(authors));
}

template <typename Tree>
std::string KaraokeLyric(typename Tree::node root) {
  using node = typename Tree::node;
  const node script = Find<Tree>(root, [](node n) {
    return Tree::Tag(n) == "script" && TextOf<Tree>(n).find("var syltG") != std::string::npos;
  });
  if (script == nullptr) return {};
  const node authors = Find<Tree>(root, [](node n) {
    return Tree::Tag(n) == "p" && StartsWith(Tree::Attribute(n, "class"), "karaoke_author");
  });
  return melodara::ConvertKaraokeScript(TextOf<Tree>(script)) + Credits(TextOf<Tree>(authors));
}

template <typename Cut>
auto WithGumbo(const std::string& page, Cut&& cut) {
  GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, page.data(), page.size());
  auto result = cut(static_cast<const GumboNode*>(output->document));
  gumbo_destroy_output(&kGumboDefaultOptions, output);
  return result;
}

template <typename Cut>
auto WithLibxml2(const std::string& page, Cut&& cut) {
  htmlDocPtr document = htmlReadMemory(page.data(), static_cast<int>(page.size()), nullptr, "UTF-8",
                                       HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                           HTML_PARSE_NONET);
  auto result = cut(static_cast<const xmlNode*>(xmlDocGetRootElement(document)));
  xmlFreeDoc(document);
  return result;
}

}  // namespace

std::size_t GumboArtistItems(const std::string& page, std::string_view title) {
  return WithGumbo(page, [title](gumbo_tree::node root) { return ArtistItems<gumbo_tree>(root, title); });
}

std::size_t Libxml2ArtistItems(const std::string& page, std::string_view title) {
  return WithLibxml2(page, [title](libxml2_tree::node root) { return ArtistItems<libxml2_tree>(root, title); });
}

std::string GumboTextLyric(const std::string& page) {
  return WithGumbo(page, [](gumbo_tree::node root) { return TextLyric<gumbo_tree>(root); });
}

std::string Libxml2TextLyric(const std::string& page) {
  return WithLibxml2(page, [](libxml2_tree::node root) { return TextLyric<libxml2_tree>(root); });
}

std::string GumboKaraokeLyric(const std::string& page) {
  return WithGumbo(page, [](gumbo_tree::node root) { return KaraokeLyric<gumbo_tree>(root); });
}

std::string Libxml2KaraokeLyric(const std::string& page) {
  return WithLibxml2(page, [](libxml2_tree::node root) { return KaraokeLyric<libxml2_tree>(root); });
}

}  // namespace bench

// The 32-bit program's own C functions and tree balancing, against the
// host's C library and an ordered reference.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <set>
#include <vector>

#include "app/runtime/CLibrary.h"
#include "app/runtime/RbTree.h"

namespace rt = app::runtime;

namespace {

struct Node : rt::TreeNode {
  int key = 0;
};

int KeyOf(const rt::TreeNode* n) { return static_cast<const Node*>(n)->key; }

// A tree on the library's header conventions, grown and cut by the
// program's functions.
struct Tree {
  rt::TreeNode header{};
  Tree() {
    header._M_color = std::_S_red;
    header._M_parent = nullptr;
    header._M_left = header._M_right = &header;
  }
  ~Tree() {
    while (header._M_parent) delete static_cast<Node*>(rt::TreeRebalanceForErase(header._M_left, header));
  }
  void Insert(int key) {
    auto* n = new Node;
    n->key = key;
    rt::TreeNode* p = &header;
    for (rt::TreeNode* x = header._M_parent; x; x = key < KeyOf(x) ? x->_M_left : x->_M_right) p = x;
    rt::TreeInsertAndRebalance(p == &header || key < KeyOf(p), n, p, header);
  }
  std::vector<rt::TreeNode*> InOrder() {
    std::vector<rt::TreeNode*> nodes;
    for (rt::TreeNode* n = header._M_left; n != &header; n = rt::TreeIncrement(n)) nodes.push_back(n);
    return nodes;
  }
};

// The black nodes on every path down from n (0 for a broken subtree).
int BlackHeight(const rt::TreeNode* n, const rt::TreeNode* parent, bool& ok) {
  if (!n) return 1;
  if (n->_M_parent != parent) ok = false;
  if (n->_M_color == std::_S_red && ((n->_M_left && n->_M_left->_M_color == std::_S_red) ||
                                     (n->_M_right && n->_M_right->_M_color == std::_S_red)))
    ok = false;
  const int left = BlackHeight(n->_M_left, n, ok), right = BlackHeight(n->_M_right, n, ok);
  if (left != right) ok = false;
  return left + (n->_M_color == std::_S_black ? 1 : 0);
}

void ExpectSameAs(Tree& tree, const std::multiset<int>& reference) {
  std::vector<int> keys;
  for (rt::TreeNode* n : tree.InOrder()) keys.push_back(KeyOf(n));
  ASSERT_EQ(keys, std::vector<int>(reference.begin(), reference.end()));
  std::vector<int> backwards;
  if (!keys.empty())
    for (rt::TreeNode* n = rt::TreeDecrement(&tree.header); backwards.size() < keys.size(); n = rt::TreeDecrement(n))
      backwards.push_back(KeyOf(n));
  EXPECT_EQ(backwards, std::vector<int>(reference.rbegin(), reference.rend()));
  const rt::TreeNode* root = tree.header._M_parent;
  if (reference.empty()) {
    EXPECT_EQ(root, nullptr);
    EXPECT_EQ(tree.header._M_left, &tree.header);
    EXPECT_EQ(tree.header._M_right, &tree.header);
    return;
  }
  EXPECT_EQ(root->_M_color, std::_S_black);
  bool ok = true;
  BlackHeight(root, &tree.header, ok);
  EXPECT_TRUE(ok) << "red-black rules broken";
  EXPECT_EQ(KeyOf(tree.header._M_left), *reference.begin());
  EXPECT_EQ(KeyOf(tree.header._M_right), *reference.rbegin());
}

}  // namespace

TEST(RuntimeTree, StaysBalancedAndOrderedThroughInsertsAndErases) {
  std::mt19937 random(1995);
  Tree tree;
  std::multiset<int> reference;
  ExpectSameAs(tree, reference);
  for (int round = 0; round < 3000; ++round) {
    // Mostly growing at first, mostly shrinking later, down to empty.
    const bool grow = reference.empty() || random() % 100 < (round < 1500 ? 70u : 20u);
    if (grow) {
      const int key = static_cast<int>(random() % 200);  // duplicates too
      tree.Insert(key);
      reference.insert(key);
    } else {
      const auto nodes = tree.InOrder();
      const size_t at = random() % nodes.size();
      reference.erase(reference.find(KeyOf(nodes[at])));
      delete static_cast<Node*>(rt::TreeRebalanceForErase(nodes[at], tree.header));
    }
    if (round % 50 == 0 || reference.size() < 4) ExpectSameAs(tree, reference);
  }
  while (!reference.empty()) {
    reference.erase(reference.find(KeyOf(tree.header._M_right)));
    delete static_cast<Node*>(rt::TreeRebalanceForErase(tree.header._M_right, tree.header));
  }
  ExpectSameAs(tree, reference);
}

TEST(RuntimeBytes, CopyMoveFillCompareFind) {
  for (size_t n : {0u, 1u, 7u, 64u}) {
    for (int shift : {-3, -1, 1, 3}) {  // overlapping both ways
      std::vector<unsigned char> mine(100), theirs(100);
      for (size_t i = 0; i < 100; ++i) mine[i] = theirs[i] = static_cast<unsigned char>(i * 7);
      rt::MoveBytes(mine.data() + 10 + shift, mine.data() + 10, n);
      std::memmove(theirs.data() + 10 + shift, theirs.data() + 10, n);
      EXPECT_EQ(mine, theirs) << n << " bytes moved by " << shift;
    }
  }
  char to[8] = "abcdefg";
  EXPECT_EQ(rt::CopyBytes(to, "XYZ", 3), to);
  EXPECT_STREQ(to, "XYZdefg");
  rt::FillBytes(to + 1, 0x100 | '-', 3);  // only the low byte counts
  EXPECT_STREQ(to, "X---efg");
  EXPECT_EQ(rt::CompareBytes("ab\x90", "ab\x10", 3), 1);  // bytes compare unsigned
  EXPECT_EQ(rt::CompareBytes("ab", "ac", 2), -1);
  EXPECT_EQ(rt::CompareBytes("ab", "ac", 1), 0);
  const char text[] = "hello\0world";
  EXPECT_EQ(rt::FindByte(text, 'o', sizeof text), text + 4);
  EXPECT_EQ(rt::FindByte(text, 'w', sizeof text), text + 6);
  EXPECT_EQ(rt::FindByte(text, 'w', 5), nullptr);
  EXPECT_EQ(rt::TextLength(text), 5u);
  EXPECT_EQ(rt::TextLength(""), 0u);
  for (int c = -1; c < 256; ++c) {
    EXPECT_EQ(rt::UpperCase(c), c >= 0 && c < 128 ? std::toupper(c) : c);
    EXPECT_EQ(rt::LowerCase(c), c >= 0 && c < 128 ? std::tolower(c) : c);
  }
}

TEST(RuntimeBytes, ParseLongAsTheCLibraryDoes) {
  const char* inputs[] = {"", "  42", "-17x", "+0", "0x1F", "0X", "0xg", "017", "9", "  -", "12 34",
                          "2147483647", "2147483648", "-2147483648", "-2147483649",
                          "9223372036854775807", "9223372036854775808", "-9223372036854775809",
                          "99999999999999999999999", "\t\n 7", "z"};
  for (const char* s : inputs)
    for (int base : {0, 10, 16, 8, 36}) {
      char *mineEnd = nullptr, *theirEnd = nullptr;
      EXPECT_EQ(rt::ParseLong(s, &mineEnd, base), std::strtol(s, &theirEnd, base)) << '"' << s << "\" base " << base;
      EXPECT_EQ(mineEnd, theirEnd) << '"' << s << "\" base " << base;
    }
}

TEST(RuntimeMath, AgreesWithTheCLibrary) {
  const double values[] = {0.0, -0.0, 0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 0.49999999999999994, 1e-310,
                           -1e-310, 3.75, -3.75, 1e15 + 0.5, 4503599627370497.0, 1e300, -7.0,
                           M_PI, -M_PI / 3, 1e6, DBL_MAX, INFINITY, -INFINITY, NAN};
  auto same = [](double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
  };
  for (double x : values) {
    EXPECT_TRUE(same(rt::Floor(x), std::floor(x))) << x;
    EXPECT_TRUE(same(rt::Trunc(x), std::trunc(x))) << x;
    EXPECT_TRUE(same(rt::NearbyInt(x), std::nearbyint(x))) << x;
    int mine = 0, theirs = 0;
    const double m = rt::SplitExponent(x, &mine), t = std::frexp(x, &theirs);
    EXPECT_TRUE(same(m, t)) << x;
    if (std::isfinite(x)) {
      EXPECT_EQ(mine, theirs) << x;
    }
    for (int e : {-1080, -60, -1, 0, 1, 53, 1100, INT_MAX, INT_MIN})
      EXPECT_TRUE(same(rt::ScaleByPowerOfTwo(x, e), std::ldexp(x, e))) << x << " * 2^" << e;
    // The 387 reduces angles with its own 66-bit pi: close, not the last bit.
    EXPECT_TRUE(same(static_cast<double>(rt::NearbyIntLong(x)), std::nearbyint(x))) << x;
    double sine = 0, cosine = 0;
    rt::SineAndCosine(x, &sine, &cosine);
    EXPECT_TRUE(same(sine, rt::Sine(x)) && same(cosine, rt::Cosine(x))) << x;
    if (std::isfinite(x) && std::fabs(x) < 1e7) {
      EXPECT_NEAR(rt::Sine(x), std::sin(x), 1e-12) << x;
      EXPECT_NEAR(rt::Cosine(x), std::cos(x), 1e-12) << x;
    } else if (!std::isfinite(x)) {
      EXPECT_TRUE(std::isnan(rt::Sine(x)) && std::isnan(rt::Cosine(x))) << x;
    } else {
      EXPECT_LE(std::fabs(rt::Sine(x)), 1.0) << x;
    }
    for (double y : {0.0, -2.5, 3.0, 1e-320, 1e300, double(INFINITY), double(NAN)}) {
      const double h = rt::Hypot(x, y), expected = std::hypot(x, y);
      EXPECT_TRUE(same(h, expected) || std::fabs(h - expected) <= 2 * DBL_EPSILON * expected) << x << ", " << y;
      EXPECT_TRUE(same(rt::Min(x, y), std::fmin(x, y)) || (x == 0 && y == 0)) << x << ", " << y;
      EXPECT_TRUE(same(rt::Max(x, y), std::fmax(x, y)) || (x == 0 && y == 0)) << x << ", " << y;
    }
  }
  EXPECT_LE(std::fabs(rt::Sine(1e19)), 1.0);  // past the 387's direct range: reduced first
}

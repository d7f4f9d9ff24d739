#include "app/runtime/RbTree.h"

#include <utility>

namespace app::runtime {

namespace {

constexpr auto kRed = std::_S_red, kBlack = std::_S_black;

bool IsBlack(const TreeNode* n) { return !n || n->_M_color == kBlack; }

// Rotations about x; root is the header's parent link.
void RotateLeft(TreeNode* x, TreeNode*& root) {
  TreeNode* y = x->_M_right;
  x->_M_right = y->_M_left;
  if (y->_M_left) y->_M_left->_M_parent = x;
  y->_M_parent = x->_M_parent;
  if (x == root) root = y;
  else if (x == x->_M_parent->_M_left) x->_M_parent->_M_left = y;
  else x->_M_parent->_M_right = y;
  y->_M_left = x;
  x->_M_parent = y;
}

void RotateRight(TreeNode* x, TreeNode*& root) {
  TreeNode* y = x->_M_left;
  x->_M_left = y->_M_right;
  if (y->_M_right) y->_M_right->_M_parent = x;
  y->_M_parent = x->_M_parent;
  if (x == root) root = y;
  else if (x == x->_M_parent->_M_right) x->_M_parent->_M_right = y;
  else x->_M_parent->_M_left = y;
  y->_M_right = x;
  x->_M_parent = y;
}

TreeNode* Leftmost(TreeNode* x) {
  while (x->_M_left) x = x->_M_left;
  return x;
}

TreeNode* Rightmost(TreeNode* x) {
  while (x->_M_right) x = x->_M_right;
  return x;
}

}  // namespace

TreeNode* TreeIncrement(TreeNode* x) {
  if (x->_M_right) return Leftmost(x->_M_right);
  TreeNode* y = x->_M_parent;
  while (x == y->_M_right) {
    x = y;
    y = y->_M_parent;
  }
  // Past the rightmost node x climbs to the header, whose parent is the root:
  // in a tree of one node the root's right link is the header's own.
  return x->_M_right != y ? y : x;
}

TreeNode* TreeDecrement(TreeNode* x) {
  // The header is the one red node whose grandparent is itself.
  if (x->_M_color == kRed && x->_M_parent->_M_parent == x) return x->_M_right;
  if (x->_M_left) return Rightmost(x->_M_left);
  TreeNode* y = x->_M_parent;
  while (x == y->_M_left) {
    x = y;
    y = y->_M_parent;
  }
  return y;
}

void TreeInsertAndRebalance(bool insertLeft, TreeNode* x, TreeNode* p, TreeNode& header) {
  TreeNode*& root = header._M_parent;
  x->_M_parent = p;
  x->_M_left = x->_M_right = nullptr;
  x->_M_color = kRed;
  if (insertLeft) {
    p->_M_left = x;  // the header's leftmost link, in an empty tree
    if (p == &header) {
      root = x;
      header._M_right = x;
    } else if (p == header._M_left) {
      header._M_left = x;
    }
  } else {
    p->_M_right = x;
    if (p == header._M_right) header._M_right = x;
  }

  while (x != root && x->_M_parent->_M_color == kRed) {
    TreeNode* grand = x->_M_parent->_M_parent;
    if (x->_M_parent == grand->_M_left) {
      TreeNode* uncle = grand->_M_right;
      if (!IsBlack(uncle)) {
        x->_M_parent->_M_color = kBlack;
        uncle->_M_color = kBlack;
        grand->_M_color = kRed;
        x = grand;
      } else {
        if (x == x->_M_parent->_M_right) {
          x = x->_M_parent;
          RotateLeft(x, root);
        }
        x->_M_parent->_M_color = kBlack;
        grand->_M_color = kRed;
        RotateRight(grand, root);
      }
    } else {
      TreeNode* uncle = grand->_M_left;
      if (!IsBlack(uncle)) {
        x->_M_parent->_M_color = kBlack;
        uncle->_M_color = kBlack;
        grand->_M_color = kRed;
        x = grand;
      } else {
        if (x == x->_M_parent->_M_left) {
          x = x->_M_parent;
          RotateRight(x, root);
        }
        x->_M_parent->_M_color = kBlack;
        grand->_M_color = kRed;
        RotateLeft(grand, root);
      }
    }
  }
  root->_M_color = kBlack;
}

TreeNode* TreeRebalanceForErase(TreeNode* z, TreeNode& header) {
  TreeNode*& root = header._M_parent;
  TreeNode*& leftmost = header._M_left;
  TreeNode*& rightmost = header._M_right;
  TreeNode* y = z;  // the node that leaves its place: z, or z's successor
  TreeNode* x = nullptr;
  TreeNode* xParent = nullptr;

  if (!y->_M_left) x = y->_M_right;
  else if (!y->_M_right) x = y->_M_left;
  else {
    y = Leftmost(y->_M_right);
    x = y->_M_right;
  }
  if (y != z) {
    // The successor y takes z's place, links and colour.
    z->_M_left->_M_parent = y;
    y->_M_left = z->_M_left;
    if (y != z->_M_right) {
      xParent = y->_M_parent;
      if (x) x->_M_parent = y->_M_parent;
      y->_M_parent->_M_left = x;
      y->_M_right = z->_M_right;
      z->_M_right->_M_parent = y;
    } else {
      xParent = y;
    }
    if (root == z) root = y;
    else if (z->_M_parent->_M_left == z) z->_M_parent->_M_left = y;
    else z->_M_parent->_M_right = y;
    y->_M_parent = z->_M_parent;
    std::swap(y->_M_color, z->_M_color);
    y = z;  // z's old colour is what the rest balances for
  } else {
    xParent = y->_M_parent;
    if (x) x->_M_parent = y->_M_parent;
    if (root == z) root = x;
    else if (z->_M_parent->_M_left == z) z->_M_parent->_M_left = x;
    else z->_M_parent->_M_right = x;
    // z had at most one child; the ends move to it or to z's parent.
    if (leftmost == z) leftmost = z->_M_right ? Leftmost(x) : z->_M_parent;
    if (rightmost == z) rightmost = z->_M_left ? Rightmost(x) : z->_M_parent;
  }

  if (y->_M_color == kRed) return y;
  while (x != root && IsBlack(x)) {
    if (x == xParent->_M_left) {
      TreeNode* w = xParent->_M_right;
      if (w->_M_color == kRed) {
        w->_M_color = kBlack;
        xParent->_M_color = kRed;
        RotateLeft(xParent, root);
        w = xParent->_M_right;
      }
      if (IsBlack(w->_M_left) && IsBlack(w->_M_right)) {
        w->_M_color = kRed;
        x = xParent;
        xParent = xParent->_M_parent;
      } else {
        if (IsBlack(w->_M_right)) {
          w->_M_left->_M_color = kBlack;
          w->_M_color = kRed;
          RotateRight(w, root);
          w = xParent->_M_right;
        }
        w->_M_color = xParent->_M_color;
        xParent->_M_color = kBlack;
        if (w->_M_right) w->_M_right->_M_color = kBlack;
        RotateLeft(xParent, root);
        break;
      }
    } else {
      TreeNode* w = xParent->_M_left;
      if (w->_M_color == kRed) {
        w->_M_color = kBlack;
        xParent->_M_color = kRed;
        RotateRight(xParent, root);
        w = xParent->_M_left;
      }
      if (IsBlack(w->_M_right) && IsBlack(w->_M_left)) {
        w->_M_color = kRed;
        x = xParent;
        xParent = xParent->_M_parent;
      } else {
        if (IsBlack(w->_M_left)) {
          w->_M_right->_M_color = kBlack;
          w->_M_color = kRed;
          RotateLeft(w, root);
          w = xParent->_M_left;
        }
        w->_M_color = xParent->_M_color;
        xParent->_M_color = kBlack;
        if (w->_M_left) w->_M_left->_M_color = kBlack;
        RotateRight(xParent, root);
        break;
      }
    }
  }
  if (x) x->_M_color = kBlack;
  return y;
}

}  // namespace app::runtime

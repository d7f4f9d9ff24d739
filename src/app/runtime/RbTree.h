// The balancing of the standard library's ordered containers (std::map and
// std::set), for the 32-bit program: the library's own copy is built for
// later processors than the program runs on. The nodes are the library's, a
// tree hangs from its header node (parent: the root, left: the leftmost
// node, right: the rightmost; an empty tree's header points to itself), and
// the four functions do what the library's do by the same names.
#pragma once

#include <map>

namespace app::runtime {

using TreeNode = std::_Rb_tree_node_base;

// The next node in order; from the rightmost, the header.
TreeNode* TreeIncrement(TreeNode* x);
// The previous node in order; from the header, the rightmost.
TreeNode* TreeDecrement(TreeNode* x);
// Links x in as p's left or right child (p is the header in an empty tree)
// and restores the red-black balance.
void TreeInsertAndRebalance(bool insertLeft, TreeNode* x, TreeNode* p, TreeNode& header);
// Unlinks z, restores the balance and answers z, which the caller frees.
TreeNode* TreeRebalanceForErase(TreeNode* z, TreeNode& header);

}  // namespace app::runtime

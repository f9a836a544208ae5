// Builds small archive models directly in a Data object for the conversion and writer tests.
#pragma once

#include <initializer_list>

#include "data.h"

inline void addNode(Data& dat, int id, double x, double y) {
    Node node;
    node.id = id;
    node.x = x;
    node.y = y;
    dat.nodes.push_back(node);
    dat.nodes.back().nid = dat.numNodes();
}

inline void addElemSet(Data& dat, int id, int ansysType, int keyOption3 = 0) {
    ElemSet set;
    set.id = id;
    set.type = ansysType;
    set.opt_2d = keyOption3;
    dat.elsets.push_back(set);
}

inline Elem& addElem(Data& dat, int id, int type, int numNodes, std::initializer_list<int> nodes,
                     int mat = 1) {
    Elem elem;
    elem.id = id;
    elem.type = type;
    elem.mat = mat;
    elem.num_nodes = numNodes;
    int k = 0;
    for (int n : nodes) elem.nodes[k++] = n;
    dat.elems.push_back(elem);
    return dat.elems.back();
}

inline BC& addBC(Data& dat, int type, int node, int axis, double value) {
    BC bc;
    bc.type = type;
    bc.node = node;
    bc.axis = axis;
    bc.value = value;
    dat.bcs.push_back(bc);
    return dat.bcs.back();
}

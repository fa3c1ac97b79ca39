// SPDX-License-Identifier: GPL-3.0-or-later
// The exact solver for Hint and Show Values, in a worker of its own so that
// the page goes on while it searches. It runs the same WebAssembly module as
// the page, keeping one solver and its table for as long as it lives; each
// request is a position (its drawn edges as two masks and the human's lead in
// squares), and every bound proven is posted back as it comes, then "done".
"use strict";
importScripts("quadlo.js");

let following = 0;
const core = createQuadlo({
  onProven(lowest, highest, family, index) {
    postMessage({ kind: "proven", following, lowest, highest, family, index });
  },
  onValued(edges) {
    postMessage({ kind: "valued", following, edges: JSON.parse(edges) });
  },
});

onmessage = async (event) => {
  const request = event.data;
  const module = await core;
  following = request.following;
  module.ccall("quadlo_judge", null, ["number", "number", "number", "number"], [request.vertical, request.horizontal, request.score, request.values ? 1 : 0]);
  postMessage({ kind: "done", following });
};

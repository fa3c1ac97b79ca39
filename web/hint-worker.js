// SPDX-License-Identifier: GPL-3.0-or-later
// The exact solver for Hint and Show Values, and the expert of Play the
// Expert, in a worker of their own so that the page goes on while they
// search. It runs the same WebAssembly module as the page, keeping its
// solver and the expert, with their tables, for as long as it lives. A
// request is a position: its drawn edges as two masks. For "judge", with the
// human's lead in squares, every bound proven is posted back as it comes,
// then "done"; for "expert", the edge the expert draws.
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
  if (request.kind === "expert") {
    const edge = module.ccall("quadlo_expert", "number", ["number", "number", "number"], [request.vertical, request.horizontal, request.seed]);
    postMessage({ kind: "expert", following, family: Math.floor(edge / 100), index: edge % 100 });
    return;
  }
  module.ccall("quadlo_judge", null, ["number", "number", "number", "number"], [request.vertical, request.horizontal, request.score, request.values ? 1 : 0]);
  postMessage({ kind: "done", following });
};
